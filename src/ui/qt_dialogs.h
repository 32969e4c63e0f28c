// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/user_dialogs.h"

class QWidget;

namespace kelvane::ui {

// The program's boxes and file dialogs as Qt shows them, modal to `parent`.
// File dialogs are Qt's own on every desktop, so that name patterns match
// whatever the case of a name, and none of them moves the current directory.
class QtDialogs : public UserDialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text, const std::string& caption) override;
  bool AskOkCancel(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& message, const std::string& path) override;
  void ShowFailure(const std::string& message, const std::string& path,
                   const std::vector<std::string>& hints) override;
  std::optional<OpenFilesAnswer> OpenFiles(const OpenFilesRequest& request) override;
  std::optional<std::string> SaveFile(const SaveFileRequest& request) override;

 private:
  bool ConfirmCreating(const QString& path);

  QWidget* parent_;
  QString lastFolder_;  // where the user last chose a file; the next dialog opens there
};

}  // namespace kelvane::ui
