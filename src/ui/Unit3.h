// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace kelvane::ui {

class TForm1;
class UserDialogs;

// The help window, TForm3: modeless, beside the main window. On the left a
// picture of the main window with numbered controls, on the right the text
// that explains each number: built in, or help.txt from the start folder.
class TForm3 : public QWidget {
  Q_OBJECT
 public:
  TForm3(TForm1& explained, UserDialogs& dialogs, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Each time the window is shown: a fresh picture, and help.txt when there is one.
  void FormShow();

  TForm1& explained_;
  UserDialogs& dialogs_;
  QLabel* Image1;
  QPlainTextEdit* Memo1;
};

}  // namespace kelvane::ui
