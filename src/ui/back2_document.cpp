// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's document as a whole: its name and an unsaved-changes mark
// in the title, and the question before unsaved changes are thrown away.

#include <QFileInfo>
#include <QTimer>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "framelist/deflist_writer.h"
#include "ui/back2.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

// The document as a DefList holds it; none for a list a DefList cannot hold.
std::optional<std::string> DocumentText(const FrameDocument& document) {
  try {
    return DefListText(document.settings, document.list, document.numbers);
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

// Only what a DefList keeps counts: check marks do not, and an empty list
// cannot be saved at all.
bool TForm1::HasUnsavedChanges() const {
  if (document_.list.IsEmpty()) {
    return false;
  }
  const std::optional<std::string> now = DocumentText(document_);
  return !now || !savedText_ || *now != *savedText_;
}

void TForm1::MarkSaved() {
  savedText_ = DocumentText(document_);
  ScheduleTitleRefresh();
}

void TForm1::ScheduleTitleRefresh() {
  // Once for a command that changes many rows, after it has ended.
  if (titleRefresh_ == nullptr) {
    titleRefresh_ = new QTimer(this);
    titleRefresh_->setSingleShot(true);
    titleRefresh_->setInterval(0);
    connect(titleRefresh_, &QTimer::timeout, this, &TForm1::RefreshTitle);
  }
  titleRefresh_->start();
}

void TForm1::RefreshTitle() {
  const bool changed = HasUnsavedChanges();
  if (documentPath_.empty() && !changed) {
    setWindowTitle(text::kMainCaption);  // as the program starts
  } else {
    const QString name = documentPath_.empty()
                             ? QString(ui_text::kUntitled)
                             : QFileInfo(QString::fromStdString(documentPath_)).fileName();
    setWindowTitle(QString(ui_text::kDocumentTitle).arg(name, text::kMainCaption));
  }
  setWindowModified(changed);
}

bool TForm1::MayThrowAwayChanges() {
  if (!HasUnsavedChanges()) {
    return true;
  }
  const QString name = documentPath_.empty()
                           ? QString(ui_text::kUntitled)
                           : QFileInfo(QString::fromStdString(documentPath_)).fileName();
  switch (dialogs_.AskToSave(QString(ui_text::kSaveQuestion).arg(name).toStdString(),
                             ui_text::kErrorCaption)) {
    case SaveAnswer::Save:
      return documentPath_.empty() ? SaveAs() : SaveTo(documentPath_);
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace kelvane::ui
