// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include "base/bmp_frame.h"

namespace kelvane::ui {

struct LoadedPicture {
  QImage image;   // null when the file could not be shown
  QString error;  // the loader's reason, when it could not
};

// Loads a picture for the preview without ever blocking or exhausting memory:
// only regular files are opened, and a picture larger than a frame can be
// (beyond 16384 pixels on a side or 64 megapixels) is refused before its
// pixels are read.
LoadedPicture LoadPreviewPicture(const QString& path);

// An 8-bit frame as the encoders take it, in the colours of its table.
QImage IndexedPicture(const BmpImage& frame);

}  // namespace kelvane::ui
