// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framelist/creature_wizard.h"
#include "framelist/frame_document.h"

class QFrame;
class QLabel;
class QListView;
class QPushButton;

namespace kelvane::ui {

class FrameListModel;
class UserDialogs;

// The creature wizard, TForm2: a modal window that collects a creature's
// frames step by step into the main window's document. Every rule comes from
// the core's CreatureWizard; this class shows it and passes the user's acts on.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // Runs FormCreate: the main list is emptied and the opening message shown.
  // `showDocument` shows the document's changes in the main window at once.
  TForm2(FrameDocument& document, UserDialogs& dialogs, std::function<void()> showDocument,
         QWidget* parent = nullptr);
  ~TForm2() override;

  // Closing by any means ends here: accept, reject, the title bar's button.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Controls {
    QListView* ListBox1;
    QFrame* Panel1;
    QLabel* Label2;
    QLabel* General;
    QLabel* label1;
    QLabel* General2;
    QPushButton* Button4;
    QPushButton* Button3;
    QPushButton* Button2;
    QPushButton* Button6;
    QPushButton* Button1;
  };

  void CreateControls();
  void ConnectReactions();

  void FormCreate();    // starts the wizard on the emptied main list, then the opening message
  void FormShow();      // shows the current step: its texts and the forward and back buttons
  void Button1Click();  // "Next step", and at the last step "Finished"
  void Button2Click();  // "Previous step"
  void Button3Click();  // "Add BMP file": a dialog, then the files join the step
  void Button4Click();  // "Delete file": removes the selected file from the step
  void Button6Click();  // "Abort Wizard", after a question
  void FormClose();     // the step lists are dropped

  void AddFiles(const std::vector<std::string>& paths);
  std::optional<size_t> SelectedEntry() const;
  void SelectFromCode(std::optional<size_t> selected);

  FrameDocument& document_;
  UserDialogs& dialogs_;
  std::function<void()> showDocument_;
  std::optional<CreatureWizard> wizard_;  // none once the window closed
  Controls controls_{};
  FrameListModel* listModel_ = nullptr;
};

}  // namespace kelvane::ui
