// The list commands and the DefList commands of the main window.

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <optional>

#include "base/verbatim_texts.h"
#include "compiler/errors.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "framelist/first_frame_size.h"
#include "framelist/list_commands.h"
#include "framelist/separators.h"
#include "ui/back2.h"
#include "ui/core_adapter.h"
#include "ui/file_filters.h"
#include "ui/frame_list_model.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

// The DefList dialogs leave the folder the user browsed to as the current one,
// where relative paths of the document and the output name are taken from.
void MoveCurrentDirectoryTo(const std::string& chosenFile) {
  QDir::setCurrent(QFileInfo(QString::fromStdString(chosenFile)).absolutePath());
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
  const bool refreshSize = kelvane::AddFiles(list_, selected, paths);
  ShowList(selected);
  if (refreshSize) {
    try {
      const FixedSizeTexts size = FirstFrameSizeRefresh(list_, state_);
      settings_.fixedWidth = size.width;
      settings_.fixedHeight = size.height;
      ShowSettings();
    } catch (const Error& error) {
      ShowError(error);
      return;
    }
  }
  controls_.ListBox1->setFocus();
}

void TForm1::Button3Click() {
  const CutOutcome outcome = CutFile(list_, state_, SelectedEntry());
  if (!outcome.cut) {
    return;
  }
  ShowList(std::nullopt);
  controls_.ListBox1->setFocus();
  SelectFromCode(outcome.selection);
  ListBox1Click();
  if (outcome.listEmptied) {
    settings_.fixedWidth = text::kZeroField;
    settings_.fixedHeight = text::kZeroField;
    ShowSettings();
  }
}

void TForm1::Button5Click() {
  AddSeparator(list_, state_);
  ShowList(SelectedEntry());
}

void TForm1::Button6Click() {
  const auto question = NewListQuestion(list_);
  if (!question || !dialogs_.AskOkCancel(question->text, question->caption)) {
    return;
  }
  NewList(list_, state_);
  ShowList(std::nullopt);
  ListBox1Click();
}

void TForm1::ListBox1ClickCheck(int row, bool checked) {
  const Selection next = CheckMarkToggled(list_, size_t(row), checked, SelectedEntry());
  const QModelIndex index = listModel_->index(row);
  emit listModel_->dataChanged(index, index, {Qt::CheckStateRole});
  SelectFromCode(next);
}

void TForm1::BitBtn1Click() {
  if (list_.IsEmpty()) {
    return;
  }
  const auto chosen = dialogs_.SaveFile(SaveDefListRequest());
  if (!chosen) {
    return;
  }
  MoveCurrentDirectoryTo(*chosen);
  try {
    SaveDefList(DefListSaveName(*chosen), ToCompileOptions(settings_), list_, state_.groupNumbers);
  } catch (const Error& error) {
    ShowError(error);
  }
}

void TForm1::Button4Click() {
  if (const auto answer = dialogs_.OpenFiles(LoadDefListRequest())) {
    MoveCurrentDirectoryTo(answer->paths.front());
    if (!LoadList(answer->paths.front(), answer->filterIndex == 1)) {
      return;
    }
  }
  FinishLoading();
}

void TForm1::OpenDefList(const std::string& path) {
  MoveCurrentDirectoryTo(path);
  if (LoadList(path, true)) {
    FinishLoading();
  }
}

bool TForm1::LoadList(const std::string& path, bool withHeader) {
  CompileOptions options = ToCompileOptions(settings_);
  std::optional<Error> failure;
  try {
    LoadDefList(path, withHeader ? DefListType::WithHeader : DefListType::ListOnly, list_,
                state_.groupNumbers,
                [&options](const HeaderLine& line) { ApplyHeaderLine(line, options); });
  } catch (const Error& error) {
    failure = error;
  }
  // What was read before an error stays, as it was applied line by line.
  settings_ = WithOptions(settings_, options);
  ShowSettings();
  ShowList(std::nullopt);
  if (failure) {
    ShowError(*failure);
  }
  return !failure;
}

void TForm1::FinishLoading() {
  CompileOptions options = ToCompileOptions(settings_);
  std::optional<Error> failure;
  try {
    FinishLoad(list_, state_, options);
  } catch (const Error& error) {
    failure = error;
  }
  settings_ = WithOptions(settings_, options);
  ShowSettings();
  ShowList(SelectedEntry());
  if (failure) {
    ShowError(*failure);
  }
}

void TForm1::ShowList(Selection selected) {
  listModel_->ListChanged();
  SelectFromCode(selected);
  controls_.Label8->setText(QString::number(state_.GroupCount));
}

Selection TForm1::SelectedEntry() const {
  const QModelIndexList rows = controls_.ListBox1->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    return std::nullopt;
  }
  return size_t(rows.front().row());
}

void TForm1::SelectFromCode(Selection selected) {
  selectingFromCode_ = true;
  QItemSelectionModel* selection = controls_.ListBox1->selectionModel();
  if (selected && *selected < list_.Count()) {
    const QModelIndex index = listModel_->index(int(*selected));
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    controls_.ListBox1->scrollTo(index);
  } else {
    selection->clearSelection();
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  selectingFromCode_ = false;
}

}  // namespace kelvane::ui
