// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/caption_fit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

namespace kelvane::ui {

namespace {

// Fits the 8-point font the layout was drawn for, on a 96 dpi screen.
constexpr int kLargestPixelSize = 11;
constexpr int kSmallestPixelSize = 8;

bool AllFit(const QFont& font, const std::vector<CaptionRoom>& captions) {
  QFont bold = font;
  bold.setBold(true);
  const QFontMetrics plainMetrics(font);
  const QFontMetrics boldMetrics(bold);
  for (const CaptionRoom& caption : captions) {
    const QFontMetrics& metrics = caption.bold ? boldMetrics : plainMetrics;
    if (metrics.horizontalAdvance(caption.caption) > caption.room) {
      return false;
    }
  }
  return true;
}

}  // namespace

QFont FittingFont(QFont desktopFont, const std::vector<CaptionRoom>& captions) {
  const int desktopSize =
      desktopFont.pixelSize() > 0 ? desktopFont.pixelSize() : QFontInfo(desktopFont).pixelSize();
  int size = std::min(desktopSize, kLargestPixelSize);
  for (; size > kSmallestPixelSize; --size) {
    desktopFont.setPixelSize(size);
    if (AllFit(desktopFont, captions)) {
      break;
    }
  }
  desktopFont.setPixelSize(size);
  return desktopFont;
}

}  // namespace kelvane::ui
