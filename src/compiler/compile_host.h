#pragma once

#include <string>

namespace kelvane {

// What a compilation needs from whoever runs it: a progress display and the
// program's own modal message boxes.
class CompileHost {
 public:
  virtual ~CompileHost() = default;

  // Percent done; values above 100 show as 100. Shown at once.
  virtual void SetProgress(int value) = 0;
  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // A message box with OK and Cancel; true for OK.
  virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

}  // namespace kelvane
