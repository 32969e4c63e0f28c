// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "ui/ui_texts.h"

namespace kelvane::ui {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
  QStringList names;
  for (const FileFilter& filter : filters) {
    names << QStringLiteral("%1 (%2)").arg(Q(filter.label), Q(filter.pattern));
  }
  return names;
}

void PrepareFileDialog(QFileDialog& dialog, const std::vector<FileFilter>& filters, int filterIndex,
                       const std::string& initialName, const QString& folder) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // Patterns match names in any case: a "*.BMP" entry lists walk01.bmp too.
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  const QStringList names = QtNameFilters(filters);
  dialog.setNameFilters(names);
  if (filterIndex >= 0 && filterIndex < names.size()) {
    dialog.selectNameFilter(names[filterIndex]);
  }
  dialog.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
  // A pattern as the initial name only repeats the filter; a real name is offered.
  if (!initialName.empty() && initialName.find('*') == std::string::npos) {
    dialog.selectFile(Q(initialName));
  }
}

int ChosenFilter(const QFileDialog& dialog) {
  const int index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
  return index < 0 ? 0 : index;
}

}  // namespace

void QtDialogs::ShowMessage(const std::string& text, const std::string& caption) {
  QMessageBox::information(parent_, Q(caption), Q(text), QMessageBox::Ok);
}

bool QtDialogs::AskOkCancel(const std::string& text, const std::string& caption) {
  return QMessageBox::question(parent_, Q(caption), Q(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

void QtDialogs::ShowError(const std::string& message, const std::string& path) {
  ShowFailure(message, path, {});
}

void QtDialogs::ShowFailure(const std::string& message, const std::string& path,
                            const std::vector<std::string>& hints) {
  QMessageBox box(QMessageBox::Critical, ui_text::kErrorCaption, Q(message), QMessageBox::Ok,
                  parent_);
  QStringList details;
  if (!path.empty()) {
    details << QDir::toNativeSeparators(Q(path));
  }
  for (const std::string& hint : hints) {
    details << QString(ui_text::kHintLine).arg(Q(hint));
  }
  box.setInformativeText(details.join("\n\n"));
  box.exec();
}

std::optional<OpenFilesAnswer> QtDialogs::OpenFiles(const OpenFilesRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
  PrepareFileDialog(dialog, request.filters, request.filterIndex, request.initialName, lastFolder_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  OpenFilesAnswer answer;
  for (const QString& file : dialog.selectedFiles()) {
    answer.paths.push_back(QDir::toNativeSeparators(file).toStdString());
  }
  answer.filterIndex = ChosenFilter(dialog);
  lastFolder_ = dialog.directory().absolutePath();
  return answer;
}

std::optional<std::string> QtDialogs::SaveFile(const SaveFileRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An existing file is replaced without a question; only a new name asks.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  PrepareFileDialog(dialog, request.filters, 0, request.initialName, lastFolder_);
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().first();
    if (!request.askBeforeCreating || QFileInfo::exists(path) || ConfirmCreating(path)) {
      lastFolder_ = dialog.directory().absolutePath();
      return QDir::toNativeSeparators(path).toStdString();
    }
  }
  return std::nullopt;
}

bool QtDialogs::ConfirmCreating(const QString& path) {
  const QString question =
      QString(ui_text::kCreateFileQuestion).arg(QDir::toNativeSeparators(path));
  return QMessageBox::question(parent_, ui_text::kCreateFileCaption, question,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace kelvane::ui
