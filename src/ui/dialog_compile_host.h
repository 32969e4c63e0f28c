// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "compiler/compile_host.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

// A compilation run from the window: its message boxes are the window's and
// its progress goes to the gauge.
class DialogCompileHost : public CompileHost {
 public:
  DialogCompileHost(UserDialogs& dialogs, std::function<void(int)> showProgress)
      : dialogs_(dialogs), showProgress_(std::move(showProgress)) {}

  void SetProgress(int value) override { showProgress_(value); }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    dialogs_.ShowMessage(text, caption);
  }
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    return dialogs_.AskOkCancel(text, caption);
  }

 private:
  UserDialogs& dialogs_;
  std::function<void(int)> showProgress_;
};

}  // namespace kelvane::ui
