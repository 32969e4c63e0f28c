// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSettings>
#include <QSpacerItem>
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

QString SettingsKey(const std::string& place) {
  return "folders/" + (place.empty() ? QString("other") : Q(place));
}

QString RememberedFolder(const std::string& place) {
  return QSettings().value(SettingsKey(place)).toString();
}

void RememberFolder(const std::string& place, const QFileDialog& dialog) {
  QSettings().setValue(SettingsKey(place), dialog.directory().absolutePath());
}

int RunBox(QWidget* parent, QMessageBox::Icon icon, const std::string& caption,
           const std::string& text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton byDefault) {
  QMessageBox box(icon, Q(caption), Q(text), buttons, parent);
  box.setDefaultButton(byDefault);
  WidenForCaption(box);
  return box.exec();
}

int ChosenFilter(const QFileDialog& dialog) {
  const int index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
  return index < 0 ? 0 : index;
}

}  // namespace

int CaptionWidth(const QString& caption, const QFont& font) {
  // A title bar's font may be a third larger than the window's; its buttons
  // (close, and a menu or help button) and margins take about 120 pixels.
  constexpr double kTitleFontScale = 1.34;
  constexpr int kTitleBarButtons = 120;
  return int(QFontMetrics(font).horizontalAdvance(caption) * kTitleFontScale) + kTitleBarButtons;
}

void WidenForCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid != nullptr) {
    grid->addItem(new QSpacerItem(CaptionWidth(box.windowTitle(), box.font()), 0,
                                  QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& caption) {
  RunBox(parent_, QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::AskOkCancel(const std::string& text, const std::string& caption) {
  return RunBox(parent_, QMessageBox::Question, caption, text,
                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

SaveAnswer QtDialogs::AskToSave(const std::string& text, const std::string& caption) {
  switch (RunBox(parent_, QMessageBox::Question, caption, text,
                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                 QMessageBox::Save)) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::Discard;
    default:
      return SaveAnswer::Cancel;
  }
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
  WidenForCaption(box);
  box.exec();
}

std::optional<OpenFilesAnswer> QtDialogs::OpenFiles(const OpenFilesRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
  PrepareFileDialog(dialog, request.filters, request.filterIndex, request.initialName,
                    RememberedFolder(request.place));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  OpenFilesAnswer answer;
  for (const QString& file : dialog.selectedFiles()) {
    answer.paths.push_back(QDir::toNativeSeparators(file).toStdString());
  }
  answer.filterIndex = ChosenFilter(dialog);
  RememberFolder(request.place, dialog);
  return answer;
}

std::optional<std::string> QtDialogs::SaveFile(const SaveFileRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An existing file is replaced without a question; only a new name asks.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  PrepareFileDialog(dialog, request.filters, 0, request.initialName,
                    RememberedFolder(request.place));
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().first();
    if (!request.askBeforeCreating || QFileInfo::exists(path) || ConfirmCreating(path)) {
      RememberFolder(request.place, dialog);
      return QDir::toNativeSeparators(path).toStdString();
    }
  }
  return std::nullopt;
}

bool QtDialogs::ConfirmCreating(const QString& path) {
  const QString question =
      QString(ui_text::kCreateFileQuestion).arg(QDir::toNativeSeparators(path));
  return RunBox(parent_, QMessageBox::Question, ui_text::kCreateFileCaption, question.toStdString(),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace kelvane::ui
