// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace kelvane::ui {

// Where a window whose frame (title bar and borders included) is `frame` goes
// so that it lies whole on `available`, moved as little as it can be. One
// larger than `available` keeps its top-left corner on it, so that its title
// bar can be reached.
QPoint FittedFramePosition(const QRect& frame, const QRect& available);

// Moves a top-level window's frame to `wanted`, fitted to the screen there
// (whatever its scale factor), and fits it again once it is shown and its
// frame is known.
void PlaceOnScreen(QWidget& window, QPoint wanted);

}  // namespace kelvane::ui
