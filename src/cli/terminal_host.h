#pragma once

#include <iosfwd>

#include "compiler/compile_host.h"

namespace kelvane::cli {

// Runs a compilation on a terminal: message boxes become lines on the error
// stream, the OK/Cancel question is answered in advance, and progress is a bar
// drawn only when the error stream is a terminal.
class TerminalHost : public CompileHost {
 public:
  TerminalHost(std::ostream& err, bool drawProgress, bool answerOk);
  ~TerminalHost() override;

  void SetProgress(int value) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  bool AskOkCancel(const std::string& text, const std::string& caption) override;

 private:
  void EndProgressLine();

  std::ostream& err_;
  bool drawProgress_;
  bool answerOk_;
  bool barShown_ = false;
};

}  // namespace kelvane::cli
