// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands and the DefList commands of the main window.

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <optional>

#include "base/checked_size.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/verbatim_texts.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "framelist/document_paths.h"
#include "framelist/first_frame_size.h"
#include "framelist/list_commands.h"
#include "framelist/separators.h"
#include "ui/back2.h"
#include "ui/controls.h"
#include "ui/file_filters.h"
#include "ui/frame_list_model.h"
#include "ui/status_line.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

// A chosen file's full path, as relative names are taken from its folder.
std::string FullPath(const std::string& chosenFile) {
  return QDir::toNativeSeparators(QFileInfo(QString::fromStdString(chosenFile)).absoluteFilePath())
      .toStdString();
}

}  // namespace

void TForm1::Button2Click() {
  if (const auto answer = dialogs_.OpenFiles(AddFilesRequest(addFilterIndex_))) {
    addFilterIndex_ = answer->filterIndex;
    AddFiles(answer->paths);
  }
}

void TForm1::AddFiles(const std::vector<std::string>& paths) {
  const Selection selected = SelectedEntry();
  bool refreshSize = false;
  {
    const QuietSelection quiet(*this);
    refreshSize = kelvane::AddFiles(document_.list, selected, paths);
    SelectFromCode(selected);
  }
  if (refreshSize) {
    try {
      const FixedSizeTexts size = FirstFrameSizeRefresh(document_.list, document_.folder);
      document_.settings.fixedWidth = size.width;
      document_.settings.fixedHeight = size.height;
      ShowSettings();
    } catch (const Error& error) {
      ShowError(error);
      return;
    }
  }
  controls_.ListBox1->setFocus();
}

void TForm1::Button3Click() {
  CutOutcome outcome;
  {
    const QuietSelection quiet(*this);
    outcome = CutFile(document_.list, SelectedEntry());
  }
  if (!outcome.cut) {
    return;
  }
  ShowGroupCount(outcome.separatorCount);
  controls_.ListBox1->setFocus();
  SelectFromCode(outcome.selection);
  ListBox1Click();
  if (outcome.listEmptied) {
    document_.settings.fixedWidth = text::kZeroField;
    document_.settings.fixedHeight = text::kZeroField;
    ShowSettings();
  }
}

void TForm1::Button5Click() {
  const QuietSelection quiet(*this);
  ShowGroupCount(AddSeparator(document_.list));
}

void TForm1::Button6Click() {
  const auto question = NewListQuestion(document_.list);
  if (!question || !MayThrowAwayChanges() ||
      !dialogs_.AskOkCancel(question->text, question->caption)) {
    return;
  }
  {
    const QuietSelection quiet(*this);
    NewList(document_.list, document_.numbers);
  }
  ShowGroupCount(0);
  ListBox1Click();
  documentPath_.clear();
  MarkSaved();
}

void TForm1::ListBox1ClickCheck(int row, bool checked) {
  clickHandled_ = true;
  const QuietSelection quiet(*this);
  SelectFromCode(CheckMarkToggled(document_.list, size_t(row), checked, SelectedEntry()));
}

void TForm1::BitBtn1Click() {
  SaveAs();
}

bool TForm1::SaveAs() {
  if (document_.list.IsEmpty()) {
    return false;
  }
  const auto chosen = dialogs_.SaveFile(SaveDefListRequest());
  return chosen && SaveTo(DefListSaveName(FullPath(*chosen)));
}

bool TForm1::SaveTo(const std::string& path) {
  // Saved where it is read from: its frame paths name the same files from its
  // folder, which becomes the window's folder for relative names.
  FrameDocument saved = MovedTo(document_, FolderOf(path), false);
  try {
    SaveDefList(path, saved);
  } catch (const Error& error) {
    ShowError(error);
    return false;
  }
  {
    const QuietSelection quiet(*this);
    for (size_t i = 0; i < saved.list.Count(); ++i) {
      document_.list.SetText(i, saved.list.Text(i));
    }
  }
  document_.folder = saved.folder;
  documentPath_ = path;
  MarkSaved();
  statusLine_->Show(QString(ui_text::kSaved).arg(QString::fromStdString(path)));
  return true;
}

void TForm1::Button4Click() {
  if (!MayThrowAwayChanges()) {
    return;
  }
  if (const auto answer = dialogs_.OpenFiles(LoadDefListRequest())) {
    LoadList(FullPath(answer->paths.front()),
             answer->filterIndex == 1 ? DefListType::WithHeader : DefListType::ListOnly);
  }
}

void TForm1::OpenDefList(const std::string& path) {
  LoadList(FullPath(PathFrom(startDirectory_, path)), DefListType::WithHeader);
}

void TForm1::LoadList(const std::string& path, DefListType ifUnsure) {
  try {
    const QuietSelection quiet(*this);
    kelvane::OpenDefList(path, ifUnsure, document_);
  } catch (const Error& error) {
    ShowError(error, path);
    return;
  }
  documentPath_ = path;
  const FrameList& list = document_.list;
  statusLine_->Show(
      QString(ui_text::kOpened)
          .arg(QString::fromStdString(path))
          .arg(QString::fromStdString(CountText(list.Count() - list.SeparatorCount(), "frame")))
          .arg(QString::fromStdString(CountText(list.SeparatorCount(), "group"))));
  std::optional<Error> failure;
  try {
    ShowGroupCount(FinishLoad(document_));
  } catch (const Error& error) {
    failure = error;
  }
  ShowSettings();
  MarkSaved();
  if (failure) {
    ShowError(*failure);
  }
}

void TForm1::ShowGroupCount(int count) {
  controls_.Label8->setText(QString::number(count));
}

Selection TForm1::SelectedEntry() const {
  const QModelIndexList rows = controls_.ListBox1->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    return std::nullopt;
  }
  return size_t(rows.front().row());
}

void TForm1::SelectFromCode(Selection selected) {
  const QuietSelection quiet(*this);
  SelectRow(controls_.ListBox1, selected);
}

}  // namespace kelvane::ui
