// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kelvane::ui {

// Where a window whose frame (title bar and borders included) is `frame` goes
// so that it lies whole on `available`, moved as little as it can be. One
// larger than `available` keeps its top-left corner on it, so that its title
// bar can be reached.
QPoint FittedFramePosition(const QRect& frame, const QRect& available);

// Moves a top-level window's frame to `wanted`, fitted to the screen there
// (whatever its scale factor), and fits it again once it is shown and its
// frame is known. A window larger than the screen is made as large as the
// screen allows: its scrolling client (below) then scrolls.
void PlaceOnScreen(QWidget& window, QPoint wanted);

// Lays a scroll area over the whole of `window` (above anything added to the
// window's layout later) showing a client of `clientSize`, which is to hold
// the window's fixed layout: whole where the screen has room, scrolled where
// it has not. Returns the client, the parent of the window's controls, named
// kScrolledClientName.
inline constexpr const char* kScrolledClientName = "scrolledClient";
QWidget* MakeScrollingClient(QWidget& window, QSize clientSize);

}  // namespace kelvane::ui
