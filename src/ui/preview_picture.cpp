// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preview_picture.h"

#include <QFileInfo>
#include <QImageReader>

#include "base/verbatim_texts.h"
#include "ui/ui_texts.h"

namespace kelvane::ui {

namespace {

constexpr qint64 kMaxSide = 16384;
constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;

bool TooLarge(const QSize& size) {
  return size.width() > kMaxSide || size.height() > kMaxSide ||
         qint64(size.width()) * size.height() > kMaxPixels;
}

}  // namespace

LoadedPicture LoadPreviewPicture(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) {
    return {{}, text::kFileNotFound};
  }
  // A folder, a pipe or a device would block the reader or never end.
  if (!info.isFile()) {
    return {{}, ui_text::kPreviewNotAFile};
  }
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (size.isValid() && TooLarge(size)) {
    return {{}, QString(ui_text::kPreviewTooLarge).arg(size.width()).arg(size.height())};
  }
  LoadedPicture loaded;
  if (!reader.read(&loaded.image)) {
    loaded.image = QImage();
    loaded.error = reader.errorString();
  }
  return loaded;
}

QImage IndexedPicture(const BmpImage& frame) {
  QImage image(frame.width, frame.height, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (size_t i = 0; i < 256; ++i) {
    colours.push_back(
        qRgb(frame.palette[4 * i + 2], frame.palette[4 * i + 1], frame.palette[4 * i]));
  }
  image.setColorTable(colours);
  for (int32_t y = 0; y < frame.height; ++y) {
    std::copy_n(frame.RowFromTop(y), frame.width, image.scanLine(y));
  }
  return image;
}

}  // namespace kelvane::ui
