#include "ui/Unit3.h"

#include "base/verbatim_texts.h"
#include "ui/pictures.h"

namespace kelvane::ui {

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form3");
  setWindowTitle(text::kHelpCaption);
  setWindowIcon(ProgramIcon());
  setFixedSize(827, 579);
}

}  // namespace kelvane::ui
