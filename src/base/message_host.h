// SPDX-License-Identifier: GPL-3.0-or-later
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
  // A message box about one frame file. A window shows the text alone; a
  // terminal, where the list is out of sight, can name the file too.
  virtual void ShowFrameMessage(const std::string& text, const std::string& caption,
                                const std::string& framePath) {
    (void)framePath;
    ShowMessage(text, caption);
  }
};

}  // namespace kelvane
