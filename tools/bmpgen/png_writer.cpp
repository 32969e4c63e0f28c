// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpgen/png_writer.h"

#include <png.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace bmpgen {

namespace {

int ColourType(Png::Kind kind) {
  switch (kind) {
    case Png::Kind::Palette:
      return PNG_COLOR_TYPE_PALETTE;
    case Png::Kind::Grey:
      return PNG_COLOR_TYPE_GRAY;
    case Png::Kind::GreyAlpha:
      return PNG_COLOR_TYPE_GRAY_ALPHA;
    case Png::Kind::Rgb:
      return PNG_COLOR_TYPE_RGB;
    case Png::Kind::Rgba:
      break;
  }
  return PNG_COLOR_TYPE_RGB_ALPHA;
}

// Samples packed as the PNG stores them: below 8 bits several to a byte, 16
// bits most significant byte first.
std::vector<std::vector<uint8_t>> PackedRows(const Png& image) {
  const size_t perRow = size_t(image.width) * size_t(image.Channels());
  std::vector<std::vector<uint8_t>> rows(size_t(image.height));
  for (size_t y = 0; y < rows.size(); ++y) {
    std::vector<uint8_t>& row = rows[y];
    row.assign((perRow * size_t(image.bitDepth) + 7) / 8, 0);
    for (size_t i = 0; i < perRow; ++i) {
      const uint16_t sample = image.samples[y * perRow + i];
      if (image.bitDepth == 16) {
        row[2 * i] = uint8_t(sample >> 8);
        row[2 * i + 1] = uint8_t(sample);
      } else {
        const size_t bit = i * size_t(image.bitDepth);
        row[bit / 8] |= uint8_t(sample << (8 - image.bitDepth - bit % 8));
      }
    }
  }
  return rows;
}

void Append(png_structp png, png_bytep bytes, png_size_t count) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), bytes, bytes + count);
}

void Flush(png_structp) {}

bool Encode(const Png& image, png_bytep* rows, std::vector<uint8_t>& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, Append, Flush);
  png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), image.bitDepth,
               ColourType(image.kind), image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color colours[256];
  if (image.kind == Png::Kind::Palette) {
    for (size_t i = 0; i < image.palette.size() && i < 256; ++i) {
      colours[i] = {image.palette[i][0], image.palette[i][1], image.palette[i][2]};
    }
    png_set_PLTE(png, info, colours, int(image.palette.size()));
  }
  if (image.animated) {
    // One frame, played forever: enough for a reader to see an animation.
    png_unknown_chunk control{};
    std::copy_n("acTL", 5, reinterpret_cast<char*>(control.name));
    png_byte data[8] = {0, 0, 0, 1, 0, 0, 0, 0};
    control.data = data;
    control.size = sizeof data;
    control.location = PNG_HAVE_IHDR;
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_ALWAYS, control.name, 1);
    png_set_unknown_chunks(png, info, &control, 1);
  }
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

int Png::Channels() const {
  switch (kind) {
    case Kind::Palette:
    case Kind::Grey:
      return 1;
    case Kind::GreyAlpha:
      return 2;
    case Kind::Rgb:
      return 3;
    case Kind::Rgba:
      break;
  }
  return 4;
}

Png RgbaPng(int32_t width, int32_t height, const std::vector<uint8_t>& rgba) {
  Png png;
  png.width = width;
  png.height = height;
  png.samples.assign(rgba.begin(), rgba.end());
  return png;
}

Png PalettePng(const Bmp8& image) {
  Png png;
  png.kind = Png::Kind::Palette;
  png.width = image.width;
  png.height = image.height;
  png.samples.assign(image.pixels.begin(), image.pixels.end());
  for (uint32_t i = 0; i < image.colours; ++i) {
    png.palette.push_back(
        {image.palette[4 * i + 2], image.palette[4 * i + 1], image.palette[4 * i]});
  }
  return png;
}

std::vector<uint8_t> EncodePng(const Png& image) {
  std::vector<std::vector<uint8_t>> packed = PackedRows(image);
  std::vector<png_bytep> rows;
  for (auto& row : packed) {
    rows.push_back(row.data());
  }
  std::vector<uint8_t> out;
  if (!Encode(image, rows.data(), out)) {
    throw std::runtime_error("the PNG could not be encoded");
  }
  return out;
}

void WritePng(const std::string& path, const Png& image) {
  const std::vector<uint8_t> bytes = EncodePng(image);
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace bmpgen
