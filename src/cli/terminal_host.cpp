// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_host.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

#include "cli/printable_text.h"
#include "compiler/frame_naming.h"

namespace kelvane::cli {

namespace {

constexpr size_t kBarWidth = 30;
constexpr size_t kLineWidth = 79;  // one short of 80, so that no terminal wraps

std::string ProgressLine(size_t encoded, size_t total, const std::string& nextFrame) {
  const size_t filled = total == 0 ? kBarWidth : encoded * kBarWidth / total;
  std::string line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') + "] " +
                     std::to_string(encoded) + "/" + std::to_string(total) + " frames";
  if (!nextFrame.empty()) {
    line += "  ";
    line +=
        PrintablePrefix(FileNamePart(nextFrame), kLineWidth - std::min(line.size(), kLineWidth));
  }
  line.resize(std::min(line.size(), kLineWidth));
  return line;
}

}  // namespace

TerminalHost::TerminalHost(std::ostream& err, std::istream& in, const TerminalOptions& options,
                           const StopSignals* signals)
    : err_(err), in_(in), options_(options), signals_(signals) {}

TerminalHost::~TerminalHost() {
  EndProgressLine();
}

void TerminalHost::FrameProgress(size_t encoded, size_t total, const std::string& nextFrame) {
  if (!options_.drawProgress) {
    return;
  }
  // "\033[K" clears what a longer earlier line left to the right.
  err_ << "\r" << ProgressLine(encoded, total, nextFrame) << "\033[K" << std::flush;
  barShown_ = true;
}

void TerminalHost::ShowMessage(const std::string& text, const std::string& caption) {
  EndProgressLine();
  err_ << OneLineText(caption + ": " + text) << "\n";
}

void TerminalHost::ShowFrameMessage(const std::string& text, const std::string& caption,
                                    const std::string& framePath) {
  ShowMessage(text + " (" + framePath + ")", caption);
}

bool TerminalHost::AskOkCancel(const std::string& text, const std::string& caption) {
  EndProgressLine();
  err_ << OneLineText(caption + ": " + text);
  if (options_.answerYes || !options_.askUser) {
    err_ << (options_.answerYes ? " OK (--yes)" : " Cancel (no --yes)") << "\n";
    return options_.answerYes;
  }
  err_ << " [y/N] " << std::flush;
  std::string answer;
  {
    // Nothing is written yet: Ctrl-C at the question may end the program at once.
    std::optional<StopSignals::Released> released;
    if (signals_) {
      released.emplace(*signals_);
    }
    std::getline(in_, answer);
  }
  return answer == "y" || answer == "Y" || answer == "yes";
}

bool TerminalHost::StopRequested() {
  // Asking the system costs a call; between frames it is asked at most every
  // kSignalLook, which a person who pressed Ctrl-C does not notice.
  const auto now = std::chrono::steady_clock::now();
  if (!stopSignal_ && signals_ && now - lastLook_ >= kSignalLook) {
    lastLook_ = now;
    stopSignal_ = signals_->Pending();
  }
  return stopSignal_.has_value();
}

void TerminalHost::EndProgressLine() {
  if (barShown_) {
    err_ << "\n" << std::flush;
    barShown_ = false;
  }
}

}  // namespace kelvane::cli
