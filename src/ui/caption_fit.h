// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <vector>

namespace kelvane::ui {

// A caption and the room its control leaves for it, in pixels.
struct CaptionRoom {
  QString caption;
  int room = 0;
  bool bold = false;
};

// The desktop's font at the largest size, from its own size down, at which
// every caption fits its room. The window's layout is fixed in pixels, so the
// font adapts to it rather than the other way round.
QFont FittingFont(QFont desktopFont, const std::vector<CaptionRoom>& captions);

}  // namespace kelvane::ui
