// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPoint>
#include <vector>

class QWidget;

namespace kelvane::ui {

// One number of the help picture: the control it points at, by name, and
// where the number stands, in the main window's client pixels (outside the
// window where there is room).
struct HelpNumber {
  int number;
  const char* control;
  QPoint at;
};

const std::vector<HelpNumber>& HelpNumbers();

// The size of the help window's picture.
constexpr int kHelpPictureWidth = 409;
constexpr int kHelpPictureHeight = 579;

// A picture of `mainWindow` as it is now, its left part (the controls the help
// explains) with a red number and a blue pointer line for each HelpNumber.
QPixmap HelpPicture(QWidget& mainWindow);

}  // namespace kelvane::ui
