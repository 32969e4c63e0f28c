// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands and the DefList commands of the main window.

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <optional>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "framelist/first_frame_size.h"
#include "framelist/list_commands.h"
#include "framelist/separators.h"
#include "ui/back2.h"
#include "ui/controls.h"
#include "ui/file_filters.h"
#include "ui/frame_list_model.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

// The DefList dialogs leave the folder the user browsed to as the current one,
// where relative paths of the document and the output name are taken from.
// Returns the chosen file's full path, which still names it from there.
std::string MoveCurrentDirectoryTo(const std::string& chosenFile) {
  const QFileInfo file(QString::fromStdString(chosenFile));
  const std::string fullPath = QDir::toNativeSeparators(file.absoluteFilePath()).toStdString();
  QDir::setCurrent(file.absolutePath());
  return fullPath;
}

}  // namespace

void TForm1::Button2Click() {
  std::vector<std::string> paths;
  if (const auto answer = dialogs_.OpenFiles(AddFilesRequest(addFilterIndex_))) {
    addFilterIndex_ = answer->filterIndex;
    paths = answer->paths;
  }
  AddFiles(paths);
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
      const FixedSizeTexts size = FirstFrameSizeRefresh(document_.list);
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
  if (!question || !dialogs_.AskOkCancel(question->text, question->caption)) {
    return;
  }
  {
    const QuietSelection quiet(*this);
    NewList(document_.list, document_.numbers);
  }
  ShowGroupCount(0);
  ListBox1Click();
}

void TForm1::ListBox1ClickCheck(int row, bool checked) {
  clickHandled_ = true;
  const QuietSelection quiet(*this);
  SelectFromCode(CheckMarkToggled(document_.list, size_t(row), checked, SelectedEntry()));
}

void TForm1::BitBtn1Click() {
  if (document_.list.IsEmpty()) {
    return;
  }
  const auto chosen = dialogs_.SaveFile(SaveDefListRequest());
  if (!chosen) {
    return;
  }
  const std::string path = MoveCurrentDirectoryTo(*chosen);
  try {
    SaveDefList(DefListSaveName(path), document_);
  } catch (const Error& error) {
    ShowError(error);
  }
}

void TForm1::Button4Click() {
  if (const auto answer = dialogs_.OpenFiles(LoadDefListRequest())) {
    const std::string path = MoveCurrentDirectoryTo(answer->paths.front());
    if (!LoadList(path, answer->filterIndex == 1)) {
      return;
    }
  }
  FinishLoading();
}

void TForm1::OpenDefList(const std::string& path) {
  if (LoadList(MoveCurrentDirectoryTo(path), true)) {
    FinishLoading();
  }
}

bool TForm1::LoadList(const std::string& path, bool withHeader) {
  std::optional<Error> failure;
  {
    const QuietSelection quiet(*this);
    try {
      LoadDefList(path, withHeader ? DefListType::WithHeader : DefListType::ListOnly, document_);
    } catch (const Error& error) {
      failure = error;
    }
  }
  // What was read before an error stays, as it was applied line by line.
  ShowSettings();
  if (failure) {
    ShowError(*failure);
  }
  return !failure;
}

void TForm1::FinishLoading() {
  std::optional<Error> failure;
  try {
    ShowGroupCount(FinishLoad(document_.list, document_.settings));
  } catch (const Error& error) {
    failure = error;
  }
  ShowSettings();
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
