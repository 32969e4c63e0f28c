// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bench programs' answers to the window's boxes: none is shown, what a
// box would say goes to stderr, and every question is answered yes.

#include <cstdio>
#include <optional>
#include <string>

#include "ui/user_dialogs.h"

namespace kelvane::bench {

class StderrDialogs : public ui::UserDialogs {
 public:
  void ShowMessage(const std::string& text, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  }
  bool AskOkCancel(const std::string&, const std::string&) override { return true; }
  void ShowError(const std::string& message, const std::string& path) override {
    std::fprintf(stderr, "error: %s %s\n", message.c_str(), path.c_str());
  }
  ui::SaveAnswer AskToSave(const std::string&, const std::string&) override {
    return ui::SaveAnswer::Discard;
  }
  std::optional<ui::OpenFilesAnswer> OpenFiles(const ui::OpenFilesRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFile(const ui::SaveFileRequest&) override { return std::nullopt; }
};

}  // namespace kelvane::bench
