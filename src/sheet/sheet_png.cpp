// SPDX-License-Identifier: GPL-3.0-or-later
#include <png.h>

#include <string>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/replacing_writer.h"
#include "sheet/contact_sheet.h"

// libpng rather than Qt's image classes: it is the encoder Qt itself uses, and
// it keeps kelvane-cli free of the dozens of shared libraries Qt would load
// into every run, builds included, for the one command that draws a sheet.

namespace kelvane {

namespace {

void AppendToBuffer(png_structp png, png_bytep bytes, png_size_t count) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), bytes, bytes + count);
}

void FlushNothing(png_structp) {}

// libpng's own words never reach the terminal: an error is kept for our
// message, a warning (nothing the sheet depends on) is dropped.
void KeepError(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

void DropWarning(png_structp, png_const_charp) {}

// Encodes the sheet, whose rows start at `rows`, into `out`; false when
// libpng reports an error. libpng reports errors by longjmp, so this function
// creates nothing with a destructor.
bool EncodePng(const ContactSheet& sheet, png_bytep* rows, std::vector<uint8_t>& out,
               std::string& error) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, KeepError, DropWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, AppendToBuffer, FlushNothing);
  png_set_IHDR(png, info, png_uint_32(sheet.width), png_uint_32(sheet.height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

void WriteContactSheetPng(const DefFile& def, const std::string& path) {
  RefuseWritingOverSource(def, path);
  const ContactSheet sheet = DrawContactSheet(def);
  std::vector<png_bytep> rows(size_t(sheet.height));
  for (size_t y = 0; y < rows.size(); ++y) {
    rows[y] = const_cast<png_bytep>(sheet.rgba.data() + y * size_t(sheet.width) * 4);
  }
  std::vector<uint8_t> png;
  std::string error;
  if (!EncodePng(sheet, rows.data(), png, error)) {
    ThrowInputError("the contact sheet could not be encoded as PNG" +
                        (error.empty() ? std::string() : " (" + error + ")"),
                    path);
  }
  ReplacingFileWriter file(path);
  file.Write(png);
  file.Commit();
}

}  // namespace kelvane
