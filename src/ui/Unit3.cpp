// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Unit3.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <optional>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "framelist/help_file.h"
#include "ui/back2.h"
#include "ui/controls.h"
#include "ui/help_picture.h"
#include "ui/help_text.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

TForm3::TForm3(TForm1& explained, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      explained_(explained),
      dialogs_(dialogs) {
  setObjectName("Form3");
  setWindowTitle(text::kHelpCaption);
  setWindowIcon(ProgramIcon());
  setFixedSize(827, 579);
  PlaceOnScreen(*this, {192, 107});
  QWidget* client = MakeScrollingClient(*this, {827, 579});
  Image1 = Place(new QLabel(client), "Image1", {0, 0, kHelpPictureWidth, kHelpPictureHeight});
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Memo1 = Place(new QPlainTextEdit(client), "Memo1",
                {kHelpPictureWidth, 0, 827 - kHelpPictureWidth, 579});
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setPlainText(BuiltInHelpText());
}

void TForm3::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TForm3::FormShow() {
  Image1->setPixmap(HelpPicture(explained_));
  std::optional<HelpFileText> help;
  try {
    help = ReadHelpFile(explained_.startDirectory());
  } catch (const Error& error) {
    dialogs_.ShowError(error.what(), PathToAdd(error.what(), error.path()));
    return;
  }
  if (!help) {
    return;
  }
  Memo1->setLineWrapMode(help->wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  Memo1->setPlainText(QString::fromStdString(help->utf8));
  if (help->cut) {
    dialogs_.ShowMessage(QString(ui_text::kHelpFileCut)
                             .arg(QString::fromStdString(HelpFilePath(explained_.startDirectory())))
                             .arg(kHelpFileReadCap / (1024 * 1024))
                             .toStdString(),
                         ui_text::kErrorCaption);
  }
}

}  // namespace kelvane::ui
