// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace kelvane::ui {

// The small yellow folder of the output-file button.
QPixmap FolderPicture();

// The program's own icon: a film strip of three coloured frames, SIZE pixels
// square. A QImage needs no display: the build draws the installed PNGs with it.
QImage ProgramIconImage(int size);

// The icon at the sizes a window asks for.
QIcon ProgramIcon();

}  // namespace kelvane::ui
