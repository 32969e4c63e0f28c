// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QPushButton>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "framelist/first_frame_size.h"
#include "ui/controls.h"
#include "ui/dropped_files.h"
#include "ui/file_filters.h"
#include "ui/frame_list_model.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TForm2::TForm2(FrameDocument& document, UserDialogs& dialogs, std::function<void()> showDocument,
               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      document_(document),
      dialogs_(dialogs),
      showDocument_(std::move(showDocument)) {
  setObjectName("Form2");
  setWindowTitle(text::kWizardCaption);
  setWindowIcon(ProgramIcon());
  setModal(true);
  setFixedSize(502, 433);
  PlaceOnScreen(*this, {349, 250});
  setAcceptDrops(true);
  CreateControls();
  ConnectReactions();
  FormCreate();
}

// The list view and its model go before the wizard whose list they show.
TForm2::~TForm2() {
  listModel_->Detach();
}

void TForm2::CreateControls() {
  Controls& c = controls_;
  QWidget* client = MakeScrollingClient(*this, {502, 433});
  c.ListBox1 = Place(new QListView(client), "ListBox1", {0, 0, 502, 339});
  c.ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  c.ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  c.ListBox1->setUniformItemSizes(true);
  c.Panel1 = Panel(client, "Panel1", QFrame::Sunken, {0, 341, 305, 92});
  c.Label2 = Label(c.Panel1, "Label2", text::kWizardAddHeading, {8, 7, 289, 16});
  c.General = Label(c.Panel1, "General", text::kWizardPlaceholder, {8, 28, 289, 16});
  c.label1 = Label(c.Panel1, "label1", text::kWizardHintHeading, {8, 48, 289, 16});
  c.General2 = Label(c.Panel1, "General2", text::kWizardPlaceholder, {8, 65, 289, 16});
  SetBold(c.Label2);
  SetBold(c.label1);
  c.Button4 = Button(client, "Button4", text::kWizardDeleteCaption, {315, 346, 88, 25});
  c.Button4->setToolTip(QString(ui_text::kShortcutTip)
                            .arg(ui_text::kWizardDeleteTip,
                                 QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText)));
  c.ListBox1->installEventFilter(this);  // Delete in the list deletes as Button4 does
  c.Button3 = Button(client, "Button3", text::kWizardAddCaption, {414, 346, 88, 25});
  c.Button2 = Button(client, "Button2", text::kWizardPreviousCaption, {414, 377, 88, 26});
  c.Button6 = Button(client, "Button6", text::kWizardAbortCaption, {325, 396, 71, 15});
  SetBold(c.Button6);
  QPalette red = c.Button6->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    red.setColor(group, QPalette::ButtonText, Qt::red);
  }
  c.Button6->setPalette(red);
  c.Button1 = Button(client, "Button1", text::kWizardNextCaption, {414, 408, 88, 25});
  FitFontToCaptions(*this);
}

void TForm2::ConnectReactions() {
  Controls& c = controls_;
  connect(c.Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(c.Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
  connect(c.Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
  connect(c.Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
  connect(c.Button6, &QPushButton::clicked, this, &TForm2::Button6Click);
}

void TForm2::FormCreate() {
  wizard_.emplace(document_);
  listModel_ = new FrameListModel(
      wizard_->ShownList(),
      [this](FrameListListener* listener) {
        if (wizard_) {
          wizard_->SetShownListListener(listener);
        }
      },
      this);
  controls_.ListBox1->setModel(listModel_);
  showDocument_();
  const Notice notice = CreatureWizard::OpeningNotice();
  dialogs_.ShowMessage(notice.text, notice.caption);
}

void TForm2::FormShow() {
  if (!wizard_) {
    return;
  }
  const WizardStepDisplay display = wizard_->Display();
  controls_.Button2->setEnabled(display.previousEnabled);
  controls_.Button1->setText(Q(display.forwardCaption));
  controls_.General->setText(Q(display.description));
  controls_.General2->setText(Q(display.hint));
}

void TForm2::Button1Click() {
  if (!wizard_) {
    return;
  }
  if (!wizard_->Next()) {
    FormShow();
    return;
  }
  showDocument_();
  const Notice notice = CreatureWizard::ClosingNotice();
  dialogs_.ShowMessage(notice.text, notice.caption);
  accept();
}

void TForm2::Button2Click() {
  if (wizard_) {
    wizard_->Previous();
    FormShow();
  }
}

void TForm2::Button3Click() {
  if (const auto answer = dialogs_.OpenFiles(AddFilesRequest(0))) {
    // This dialog, unlike the main window's, makes its folder the one that
    // relative names are taken from.
    document_.folder = QFileInfo(Q(answer->paths.front())).absolutePath().toStdString();
    AddFiles(answer->paths);
  }
}

void TForm2::AddFiles(const std::vector<std::string>& paths) {
  if (!wizard_) {
    return;
  }
  if (wizard_->AddFiles(paths)) {
    try {
      const FixedSizeTexts size = FirstFrameSizeRefresh(wizard_->ShownList(), document_.folder);
      document_.settings.fixedWidth = size.width;
      document_.settings.fixedHeight = size.height;
      showDocument_();
    } catch (const Error& error) {
      dialogs_.ShowError(error.what(), PathToAdd(error.what(), error.path()));
      return;
    }
  }
  controls_.ListBox1->setFocus();
}

void TForm2::Button4Click() {
  if (!wizard_) {
    return;
  }
  const WizardDeleteOutcome outcome = wizard_->DeleteFile(SelectedEntry());
  if (!outcome.deleted) {
    return;
  }
  controls_.ListBox1->setFocus();
  SelectFromCode(outcome.selection);
  if (outcome.fixedSizeReset) {
    showDocument_();
  }
}

void TForm2::Button6Click() {
  const Question question = AbortWizardQuestion();
  if (dialogs_.AskOkCancel(question.text, question.caption)) {
    reject();
  }
}

void TForm2::FormClose() {
  listModel_->Detach();
  wizard_.reset();
}

void TForm2::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == controls_.ListBox1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    Button4Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm2::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(*event->mimeData()).empty()) {
    event->acceptProposedAction();
  }
}

// BMP and PNG frames dropped on the list join the current step as "Add BMP file" adds them.
void TForm2::dropEvent(QDropEvent* event) {
  const DroppedFiles dropped = SortDroppedFiles(LocalFiles(*event->mimeData()));
  QListView* list = controls_.ListBox1;
  const bool onList = list->rect().contains(list->mapFrom(this, event->position().toPoint()));
  if (onList && !dropped.frames.empty()) {
    event->acceptProposedAction();
    AddFiles(dropped.frames);
  }
}

std::optional<size_t> TForm2::SelectedEntry() const {
  const QModelIndexList rows = controls_.ListBox1->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    return std::nullopt;
  }
  return size_t(rows.front().row());
}

void TForm2::SelectFromCode(std::optional<size_t> selected) {
  SelectRow(controls_.ListBox1, selected);
}

}  // namespace kelvane::ui
