#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "base/binary_file.h"
#include "base/errors.h"
#include "sheet/contact_sheet.h"

namespace kelvane {

// QImage draws and encodes without a QGuiApplication or platform plugin.
void WriteContactSheetPng(const DefFile& def, const std::string& path) {
  const ContactSheet sheet = DrawContactSheet(def);
  const QImage image(sheet.rgba.data(), sheet.width, sheet.height, sheet.width * 4,
                     QImage::Format_RGBA8888);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    ThrowInputError("the contact sheet could not be encoded as PNG", path);
  }
  ReplacingFileWriter file(path);
  file.Write(png.constData(), size_t(png.size()));
  file.Commit();
}

}  // namespace kelvane
