#include "cli/terminal_host.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace kelvane::cli {

namespace {
constexpr int kBarWidth = 40;
}

TerminalHost::TerminalHost(std::ostream& err, bool drawProgress, bool answerOk)
    : err_(err), drawProgress_(drawProgress), answerOk_(answerOk) {}

TerminalHost::~TerminalHost() {
  EndProgressLine();
}

void TerminalHost::SetProgress(int value) {
  if (!drawProgress_) {
    return;
  }
  if (value == 0 && barShown_) {
    EndProgressLine();  // the gauge's reset at the end: leave the finished bar standing
    return;
  }
  const int percent = std::clamp(value, 0, 100);
  const int filled = percent * kBarWidth / 100;
  err_ << "\r[" << std::string(size_t(filled), '#') << std::string(size_t(kBarWidth - filled), ' ')
       << "] " << percent << "%" << std::flush;
  barShown_ = true;
}

void TerminalHost::ShowMessage(const std::string& text, const std::string& caption) {
  EndProgressLine();
  err_ << caption << ": " << text << "\n";
}

bool TerminalHost::AskOkCancel(const std::string& text, const std::string& caption) {
  EndProgressLine();
  err_ << caption << ": " << text << (answerOk_ ? " OK (--yes)" : " Cancel (no --yes)") << "\n";
  return answerOk_;
}

void TerminalHost::EndProgressLine() {
  if (barShown_) {
    err_ << "\n" << std::flush;
    barShown_ = false;
  }
}

}  // namespace kelvane::cli
