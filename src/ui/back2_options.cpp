// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own reactions: the type boxes, the option check boxes,
// the output file, the preview, help, the wizard and "Create Def File".

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "compiler/compile_driver.h"
#include "framelist/document_paths.h"
#include "framelist/list_commands.h"
#include "framelist/preview_rule.h"
#include "framelist/separators.h"
#include "ui/back2.h"
#include "ui/build_runner.h"
#include "ui/file_filters.h"
#include "ui/frame_list_model.h"
#include "ui/preview_picture.h"
#include "ui/status_line.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"
#include "ui/wizard.h"

namespace kelvane::ui {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A box with nothing selected shows its caption text, which is no item.
void ShowSelection(QComboBox* box, int index, const char* noSelectionText) {
  box->setCurrentIndex(index);
  if (index < 0) {
    box->setEditText(noSelectionText);
  }
  box->lineEdit()->setCursorPosition(0);  // a text longer than the box shows its start
}

void ShowField(QLineEdit* edit, const std::string& text, bool enabled) {
  if (edit->text() != Q(text)) {
    edit->setText(Q(text));
  }
  edit->setEnabled(enabled);
}

}  // namespace

void TForm1::FormCreate() {
  startDirectory_ = QDir::currentPath().toStdString();
  document_.folder = startDirectory_;
  document_.settings = StartSettings();
  ShowSettings();
}

void TForm1::ComboBox2Change(int index) {
  document_.settings = TypePicked(document_.settings, index);
  ShowSettings();
}

void TForm1::ComboBox1Change(int index) {
  document_.settings = FormatsPicked(document_.settings, index);
  ShowSettings();
}

void TForm1::ComboBox3Change(int index) {
  document_.settings.monsterIndex = MonsterIndexFromCode(index);
  ShowSettings();
}

void TForm1::CB4Click(bool checked) {
  if (!showingSettings_) {
    document_.settings = SetFixedSize(document_.settings, checked);
    ShowSettings();
  }
}

void TForm1::CB5Click(bool checked) {
  if (!showingSettings_) {
    document_.settings = SetUseX(document_.settings, checked);
    ShowSettings();
  }
}

void TForm1::CB6Click(bool checked) {
  if (!showingSettings_) {
    document_.settings = SetUseY(document_.settings, checked);
    ShowSettings();
  }
}

void TForm1::BitBtn2Click() {
  if (const auto path = dialogs_.SaveFile(OutputFileRequest())) {
    document_.settings.outputName = *path;
    ShowSettings();
  }
}

void TForm1::ListBox1Click() {
  const PreviewStep step = PreviewFor(document_.list, SelectedEntry(), addFilterIndex_);
  if (step.applyStretch) {
    controls_.Image1->setScaledContents(controls_.CheckBox1->isChecked());
  }
  if (step.picturePath) {
    const std::string path = FrameFileOf(document_, *step.picturePath);
    const LoadedPicture picture = LoadPreviewPicture(Q(path));
    if (picture.image.isNull()) {
      ShowError(Error(ErrorKind::Input, 0, picture.error.toStdString(), path));
      return;
    }
    ShowFramePicture(path, picture.image);
  }
  controls_.Label7->setText(Q(step.positionText));
}

void TForm1::helpClick() {
  if (helpWindow_ != nullptr) {
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
  }
}

void TForm1::WizardButtonClick() {
  const auto question = NewListQuestion(document_.list);
  if (question &&
      (!MayThrowAwayChanges() || !dialogs_.AskOkCancel(question->text, question->caption))) {
    return;
  }
  {
    // The wizard empties the list and fills it anew; the preview runs once after.
    const QuietSelection quiet(*this);
    TForm2 wizard(
        document_, dialogs_, [this] { ShowDocument(); }, this);
    wizard.exec();
  }
  ShowDocument();
  ListBox1Click();
  documentPath_.clear();  // a new list, saved nowhere yet
  savedText_.reset();
  ScheduleTitleRefresh();
}

void TForm1::ShowDocument() {
  ShowSettings();
  ShowGroupCount(SeparatorRefresh(document_.list));
}

void TForm1::Button1Click() {
  if (IsBuilding()) {
    return;
  }
  FrameDocument job = ResolvedForBuild(document_);
  statusLine_->Show(BuildingSummary(job.settings.outputName, 0, 0));
  runner_->Start(state_, std::move(job));
  ShowBuilding();
}

void TForm1::ShowFramesEncoded(size_t encoded, size_t total) {
  if (!IsBuilding()) {
    return;  // a notice that came after the end
  }
  ShowProgress(total == 0 ? 100 : int(encoded * 100 / total));
  statusLine_->Show(
      BuildingSummary(FileOf(document_, document_.settings.outputName), encoded, total));
}

void TForm1::BuildFinished(const std::shared_ptr<BuildResult>& result) {
  if (result->job.list.Count() > document_.list.Count()) {
    const QuietSelection quiet(*this);  // the separator it appended moves no selection
    AddSeparator(document_.list);
  }
  ShowGroupCount(SeparatorRefresh(document_.list));
  // Whatever ended the compilation, the gauge is ready for the next one.
  ShowProgress(0);
  ShowBuilding();
  RefreshViewBuiltDef();
  statusLine_->Show(FinishedSummary(*result), FinishedDetails(*result));
  const CompileOutcome& outcome = result->outcome;
  if (outcome.status == CompileOutcome::Status::Failed) {
    dialogs_.ShowFailure(outcome.message, PathToAdd(outcome.message, outcome.path), result->hints);
  }
  emit buildFinished();
  if (closeWhenBuilt_) {
    closeWhenBuilt_ = false;
    close();
  }
}

bool TForm1::AskToStop() {
  const std::string output = FileOf(document_, document_.settings.outputName);
  if (!IsBuilding() ||
      !dialogs_.AskOkCancel(QString(ui_text::kStopQuestion).arg(Q(output)).toStdString(),
                            ui_text::kErrorCaption)) {
    return false;
  }
  runner_->RequestStop();  // harmless when the build ended while the question was open
  return IsBuilding();
}

void TForm1::ShowBuilding() {
  const bool idle = !IsBuilding();
  Controls& c = controls_;
  QWidget* const changing[] = {c.ComboBox2, c.ComboBox1,   c.Button6, c.Button5,   c.Button2,
                               c.Button3,   c.Button4,     c.BitBtn1, c.Button1,   c.BitBtn2,
                               c.CB2,       c.CB3,         c.CB4,     c.CheckBox2, c.CB5,
                               c.CB6,       c.WizardButton};
  for (QWidget* control : changing) {
    control->setEnabled(idle);
  }
  for (QAction* command : idleOnly_) {
    command->setEnabled(idle);
  }
  listModel_->SetLocked(!idle);
  stopBuild_->setEnabled(!idle);
  RefreshColourCommands();
  ShowSettings();  // the fields whose state the settings decide
}

void TForm1::ShowProgress(int value) {
  controls_.Gauge1->setValue(std::clamp(value, 0, 100));
}

void TForm1::ShowSettings() {
  const bool wasShowing = showingSettings_;
  showingSettings_ = true;
  Controls& c = controls_;
  const WindowSettings& s = document_.settings;
  ShowSelection(c.ComboBox2, s.typeIndex, text::kTypeBoxText);
  ShowSelection(c.ComboBox1, s.formatsIndex, text::kFormatsBoxText);
  ShowSelection(c.ComboBox3, s.monsterIndex, text::kMonsterBoxText);
  const bool idle = !IsBuilding();
  c.ComboBox3->setEnabled(s.monsterBoxEnabled && idle);
  ShowField(c.Edit3, s.outputName, idle);
  ShowField(c.Edit4, s.nameMask, idle);
  c.CheckBox2->setChecked(s.checkPalette);
  c.CB2->setChecked(s.shadow);
  c.CB3->setChecked(s.outline);
  c.CB4->setChecked(s.fixedSize);
  ShowField(c.Edit1, s.fixedWidth, s.fixedFieldsEnabled && idle);
  ShowField(c.Edit2, s.fixedHeight, s.fixedFieldsEnabled && idle);
  c.CB5->setChecked(s.useX);
  ShowField(c.Edit5, s.xText, s.xFieldEnabled && idle);
  c.Edit5->setReadOnly(!s.xFieldEnabled);
  c.CB6->setChecked(s.useY);
  ShowField(c.Edit6, s.yText, s.yFieldEnabled && idle);
  c.Edit6->setReadOnly(!s.yFieldEnabled);
  showingSettings_ = wasShowing;
  ScheduleTitleRefresh();
}

}  // namespace kelvane::ui
