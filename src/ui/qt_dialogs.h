// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include "ui/user_dialogs.h"

class QMessageBox;
class QWidget;

namespace kelvane::ui {

// The width a message box needs for its caption to show whole in a title
// bar, beside the title bar's buttons, in `font` (the title bar's own font
// is the window manager's; this leaves room for a larger one).
int CaptionWidth(const QString& caption, const QFont& font);

// Makes a message box at least as wide as its caption needs.
void WidenForCaption(QMessageBox& box);

// The program's boxes and file dialogs as Qt shows them, modal to `parent`.
// File dialogs are Qt's own on every desktop, so that name patterns match
// whatever the case of a name, and none of them moves the current directory.
// Each dialog opens in the folder last chosen in its place, kept across
// starts (QSettings).
class QtDialogs : public UserDialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text, const std::string& caption) override;
  bool AskOkCancel(const std::string& text, const std::string& caption) override;
  SaveAnswer AskToSave(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& message, const std::string& path) override;
  void ShowFailure(const std::string& message, const std::string& path,
                   const std::vector<std::string>& hints) override;
  std::optional<OpenFilesAnswer> OpenFiles(const OpenFilesRequest& request) override;
  std::optional<std::string> SaveFile(const SaveFileRequest& request) override;

 private:
  bool ConfirmCreating(const QString& path);

  QWidget* parent_;
};

}  // namespace kelvane::ui
