#pragma once

#include <string>

namespace kelvane {

// The program's own modal message boxes, as whoever runs a command shows them:
// a window, a terminal, or a test that answers them directly.
class MessageHost {
 public:
  virtual ~MessageHost() = default;

  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // A message box with OK and Cancel; true for OK.
  virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

}  // namespace kelvane
