// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/back2.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "compiler/build_advice.h"
#include "framelist/document_paths.h"
#include "ui/advice_terms.h"
#include "ui/build_runner.h"
#include "ui/dropped_files.h"
#include "ui/frame_list_model.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/status_line.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

// Where the window was when it last closed, kept across starts.
const char* const kWindowPlaceKey = "window/main";

}  // namespace

TForm1::TForm1(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs) {
  setObjectName("Form1");
  setWindowTitle(text::kMainCaption);
  setWindowIcon(ProgramIcon());
  // The specified client area, and the status line under it.
  setFixedSize(658, 469 + kStatusLineHeight);
  setAcceptDrops(true);
  runner_ = new BuildRunner(dialogs_, WindowAdviceTerms(), this);
  CreateControls();
  ConnectReactions();
  CreateViewerCommands();
  CreateShortcuts();
  CreateColourCommands();
  layout()->activate();
  FormCreate();
  RestoreWindowPlace();
  MarkSaved();
}

void TForm1::RestoreWindowPlace() {
  const QSettings settings;
  PlaceOnScreen(*this, settings.value(kWindowPlaceKey, QPoint(255, 307)).toPoint());
}

void TForm1::RememberWindowPlace() const {
  QSettings settings;
  settings.setValue(kWindowPlaceKey, pos());
}

bool TForm1::IsBuilding() const {
  return runner_->Running();
}

void TForm1::ConnectReactions() {
  Controls& c = controls_;
  // A combo box reacts to the user's pick only; a check box to every change
  // of its state, also one made from code.
  connect(c.ComboBox2, qOverload<int>(&QComboBox::activated), this, &TForm1::ComboBox2Change);
  connect(c.ComboBox1, qOverload<int>(&QComboBox::activated), this, &TForm1::ComboBox1Change);
  connect(c.ComboBox3, qOverload<int>(&QComboBox::activated), this, &TForm1::ComboBox3Change);
  connect(c.CB4, &QCheckBox::toggled, this, &TForm1::CB4Click);
  connect(c.CB5, &QCheckBox::toggled, this, &TForm1::CB5Click);
  connect(c.CB6, &QCheckBox::toggled, this, &TForm1::CB6Click);

  // The options without a reaction of their own are only recorded.
  const struct {
    QCheckBox* box;
    bool WindowSettings::*value;
  } flags[] = {{c.CB2, &WindowSettings::shadow},
               {c.CB3, &WindowSettings::outline},
               {c.CheckBox2, &WindowSettings::checkPalette}};
  for (const auto& flag : flags) {
    connect(flag.box, &QCheckBox::toggled, this, [this, value = flag.value](bool checked) {
      if (!showingSettings_) {
        document_.settings.*value = checked;
        ScheduleTitleRefresh();
      }
    });
  }
  const struct {
    QLineEdit* edit;
    std::string WindowSettings::*text;
  } texts[] = {{c.Edit3, &WindowSettings::outputName}, {c.Edit4, &WindowSettings::nameMask},
               {c.Edit1, &WindowSettings::fixedWidth}, {c.Edit2, &WindowSettings::fixedHeight},
               {c.Edit5, &WindowSettings::xText},      {c.Edit6, &WindowSettings::yText}};
  for (const auto& field : texts) {
    connect(field.edit, &QLineEdit::textChanged, this,
            [this, text = field.text](const QString& now) {
              if (!showingSettings_) {
                document_.settings.*text = now.toStdString();
                ScheduleTitleRefresh();
              }
            });
  }

  connect(c.BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
  connect(c.help, &QPushButton::clicked, this, &TForm1::helpClick);
  connect(c.WizardButton, &QPushButton::clicked, this, &TForm1::WizardButtonClick);
  connect(c.Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(c.Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(c.Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(c.Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(c.Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(c.Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  connect(c.BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);

  connect(listModel_, &FrameListModel::checkToggled, this, &TForm1::ListBox1ClickCheck);
  // The title's unsaved-changes mark follows every change of the list.
  connect(listModel_, &QAbstractItemModel::rowsInserted, this, &TForm1::ScheduleTitleRefresh);
  connect(listModel_, &QAbstractItemModel::rowsRemoved, this, &TForm1::ScheduleTitleRefresh);
  connect(listModel_, &QAbstractItemModel::modelReset, this, &TForm1::ScheduleTitleRefresh);
  connect(listModel_, &QAbstractItemModel::dataChanged, this, &TForm1::ScheduleTitleRefresh);
  connect(runner_, &BuildRunner::framesEncoded, this, &TForm1::ShowFramesEncoded);
  connect(runner_, &BuildRunner::finished, this, &TForm1::BuildFinished);
  connect(statusLine_, &StatusLine::detailsAsked, this, [this] {
    dialogs_.ShowMessage(statusLine_->details().join("\n").toStdString(),
                         ui_text::kWarningsCaption);
  });
  stopBuild_ = new QAction(this);
  stopBuild_->setObjectName("stopBuild");
  stopBuild_->setShortcut(Qt::Key_Escape);
  stopBuild_->setEnabled(false);
  connect(stopBuild_, &QAction::triggered, this, &TForm1::AskToStop);
  addAction(stopBuild_);
  // The preview runs when the user moves the selection, by mouse or keys, and
  // when the user clicks the entry already selected (to apply a new stretch
  // mode); selection changes made by the window's commands run none.
  connect(c.ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!selectingFromCode_) {
      clickHandled_ = true;
      ListBox1Click();
    }
  });
  connect(c.ListBox1, &QAbstractItemView::pressed, this, [this] { clickHandled_ = false; });
  connect(c.ListBox1, &QAbstractItemView::clicked, this, [this] {
    if (!clickHandled_) {
      ListBox1Click();
    }
  });
}

// ListBox1KeyDown: Delete cuts the selected entry, whatever modifiers are
// held; every other key keeps the list's own handling. "Create Def File"
// says in its tooltip which palette the build will use.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == controls_.ListBox1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    if (!IsBuilding()) {
      Button3Click();
    }
    return true;
  }
  if (watched == controls_.Button1 && event->type() == QEvent::ToolTip) {
    // Its keys, then the palette the build will use, as things are now.
    controls_.Button1->setToolTip(controls_.Button1->property(kShortcutTipProperty).toString() +
                                  "\n" + QString::fromStdString(PaletteDescription()));
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (IsBuilding()) {
    event->ignore();
    closeWhenBuilt_ = AskToStop() || closeWhenBuilt_;
    return;
  }
  if (!MayThrowAwayChanges()) {
    event->ignore();
    return;
  }
  RememberWindowPlace();
  event->accept();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!IsBuilding() && !LocalFiles(*event->mimeData()).empty()) {
    event->acceptProposedAction();
  }
}

// A DefList dropped anywhere is opened as type 2; BMP and PNG frames dropped
// on the list are added as ADD File adds them.
void TForm1::dropEvent(QDropEvent* event) {
  if (IsBuilding()) {
    return;
  }
  const DroppedFiles dropped = SortDroppedFiles(LocalFiles(*event->mimeData()));
  QListView* list = controls_.ListBox1;
  const bool onList = list->rect().contains(list->mapFrom(this, event->position().toPoint()));
  if (dropped.defList) {
    event->acceptProposedAction();
    if (MayThrowAwayChanges()) {
      OpenDefList(*dropped.defList);
    }
  } else if (onList && !dropped.frames.empty()) {
    event->acceptProposedAction();
    AddFiles(dropped.frames);
  }
}

void TForm1::ShowError(const Error& error) {
  ShowError(error, documentPath_);
}

void TForm1::ShowError(const Error& error, const std::string& documentPath) {
  const std::vector<std::string> hints =
      FailureHints(ResolvedForBuild(document_), error, WindowAdviceTerms(), documentPath);
  dialogs_.ShowFailure(error.what(), PathToAdd(error.what(), error.path()), hints);
}

}  // namespace kelvane::ui
