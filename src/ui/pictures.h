#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelvane::ui {

// The small yellow folder of the output-file button.
QPixmap FolderPicture();

// The program's own icon: a film strip of three coloured frames.
QIcon ProgramIcon();

}  // namespace kelvane::ui
