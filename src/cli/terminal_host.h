// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>

#include "base/held_signals.h"
#include "compiler/build_advice.h"
#include "compiler/compile_host.h"

namespace kelvane::cli {

// How the build meets the person running it.
struct TerminalOptions {
  bool drawProgress = false;  // stderr is a terminal and -q was not given
  bool askUser = false;       // stdin and stderr are terminals: questions are asked
  bool answerYes = false;     // --yes: questions are answered OK without asking
};

// Runs a compilation on a terminal: message boxes become lines on the error
// stream, the OK/Cancel question is asked (or answered by --yes, or Cancel
// when nobody can answer), progress is a bar of frames encoded, and the stop
// signals held back by `signals` (if any) end the compilation. `err` takes the
// bar's control sequences as they are; every text on it is PrintableText.
class TerminalHost : public WidthNotingHost {
 public:
  TerminalHost(std::ostream& err, std::istream& in, const TerminalOptions& options,
               const StopSignals* signals);
  ~TerminalHost() override;

  // The window's gauge steps are not shown: the bar counts frames.
  void SetProgress(int) override {}
  void FrameProgress(size_t encoded, size_t total, const std::string& nextFrame) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  void ShowFrameMessage(const std::string& text, const std::string& caption,
                        const std::string& framePath) override;
  bool AskOkCancel(const std::string& text, const std::string& caption) override;
  bool StopRequested() override;

  // The signal that stopped the compilation, once StopRequested() said so.
  const std::optional<StopRequest>& StopSignal() const { return stopSignal_; }
  // Ends a drawn bar's line, so that what follows starts on a line of its own.
  void EndProgressLine();

 private:
  std::ostream& err_;
  std::istream& in_;
  TerminalOptions options_;
  const StopSignals* signals_;
  std::optional<StopRequest> stopSignal_;
  static constexpr std::chrono::milliseconds kSignalLook{2};
  std::chrono::steady_clock::time_point lastLook_{};
  bool barShown_ = false;
};

}  // namespace kelvane::cli
