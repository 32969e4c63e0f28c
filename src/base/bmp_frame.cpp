// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/bmp_frame.h"

#include <algorithm>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/little_endian.h"

namespace kelvane {

BmpFrameHeader BmpFrameHeader::FromBytes(const uint8_t* b) {
  BmpFrameHeader h;
  h.fileSize = LoadLe32(b + 0);
  h.reserved1 = LoadLe16(b + 4);
  h.reserved2 = LoadLe16(b + 6);
  h.pixelDataOffset = LoadLe32(b + 8);
  h.biSize = LoadLe32(b + 12);
  h.biWidth = static_cast<int32_t>(LoadLe32(b + 16));
  h.biHeight = static_cast<int32_t>(LoadLe32(b + 20));
  h.biPlanes = LoadLe16(b + 24);
  h.biBitCount = LoadLe16(b + 26);
  h.biCompression = LoadLe32(b + 28);
  h.biSizeImage = LoadLe32(b + 32);
  h.biXPelsPerMeter = static_cast<int32_t>(LoadLe32(b + 36));
  h.biYPelsPerMeter = static_cast<int32_t>(LoadLe32(b + 40));
  h.biClrUsed = LoadLe32(b + 44);
  h.biClrImportant = LoadLe32(b + 48);
  return h;
}

uint32_t RowStride(int32_t width) {
  const auto w = static_cast<uint32_t>(width);
  return (w % 4 != 0) ? (w & ~3u) + 4 : w;
}

namespace {

struct BmpLayout {
  BmpFrameHeader header;
  uint32_t colours = 0;
  bool topDown = false;
  int32_t height = 0;
  uint32_t stride = 0;
};

[[noreturn]] void Refuse(const std::string& path, const std::string& what) {
  ThrowInputError("\"" + path + "\" is not a 256-colour BMP: " + what, path);
}

// The bytes before the pixels that a frame needs: signature, header and the
// largest colour table.
constexpr size_t kLongestHead = kBmpColourTableOffset + sizeof(BmpPalette);

// The file's first bytes, read with one call: the header and, as far as the
// file has them, the colour table.
struct FileHead {
  uint8_t bytes[kLongestHead];
  size_t size = 0;
};

void ReadHead(const InputFile& file, FileHead& head) {
  // A file shorter than its header gets "Read beyond end of file".
  head.size = size_t(
      std::max<uint64_t>(std::min<uint64_t>(file.size(), kLongestHead), kBmpColourTableOffset));
  file.ReadAt(0, head.bytes, head.size);
}

BmpLayout ReadLayout(const InputFile& file, const FileHead& head) {
  const std::string& path = file.path();
  const uint8_t* start = head.bytes;
  BmpLayout layout;
  BmpFrameHeader& h = layout.header;
  h = BmpFrameHeader::FromBytes(start + 2);
  if (start[0] != 'B' || start[1] != 'M') {
    ThrowInputError("\"" + path + "\" is neither a BMP nor a PNG: it starts with neither \"BM\"" +
                        " nor the PNG signature",
                    path);
  }
  if (h.biSize != 40) {
    Refuse(path, "its information header is " + std::to_string(h.biSize) + " bytes, not 40");
  }
  if (h.biBitCount != 8) {
    Refuse(path, "it has " + std::to_string(h.biBitCount) + " bits per pixel, not 8");
  }
  if (h.biCompression != 0) {
    Refuse(path, "its pixels are compressed");
  }
  if (h.biClrUsed > 256) {
    Refuse(path, "its colour table has " + std::to_string(h.biClrUsed) + " entries");
  }
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) {
    Refuse(path, "its size is " + std::to_string(h.biWidth) + " x " + std::to_string(h.biHeight));
  }
  layout.colours = h.biClrUsed == 0 ? 256 : h.biClrUsed;
  layout.topDown = h.biHeight < 0;
  layout.height = layout.topDown ? -h.biHeight : h.biHeight;
  layout.stride = RowStride(h.biWidth);
  if (uint64_t{h.pixelDataOffset} < kBmpColourTableOffset + 4 * uint64_t{layout.colours}) {
    Refuse(path, "its pixel data starts inside its colour table");
  }
  const uint64_t pixelBytes = uint64_t{layout.stride} * uint64_t(layout.height);
  if (uint64_t{h.pixelDataOffset} + pixelBytes > file.size()) {
    Refuse(path, "the file ends before its last pixel row");
  }
  if (pixelBytes > kLargestFrameBytes) {
    Refuse(path, "its pixel rows take " + std::to_string(pixelBytes) + " bytes, more than the " +
                     std::to_string(kLargestFrameBytes) + " a frame may have");
  }
  if (layout.topDown) {
    h.biHeight = layout.height;
  }
  return layout;
}

// The colour table lies within the head: ReadLayout has checked that the
// pixels, which follow it, are in the file.
void CopyPalette(const FileHead& head, uint32_t colours, BmpPalette& palette) {
  palette.fill(0);
  std::copy_n(head.bytes + kBmpColourTableOffset, 4 * size_t{colours}, palette.begin());
}

}  // namespace

void ReadBmpHeader(const std::string& path, BmpFrameHeader& header, BmpPalette* palette) {
  ReadBmpHeader(InputFile(path), header, palette);
}

void ReadBmpHeader(const InputFile& file, BmpFrameHeader& header, BmpPalette* palette) {
  FileHead head;
  ReadHead(file, head);
  const BmpLayout layout = ReadLayout(file, head);
  if (palette != nullptr) {
    CopyPalette(head, layout.colours, *palette);
  }
  header = layout.header;
}

namespace {

// Files up to this size are read with their head in one call, guessing that
// their pixels follow the largest colour table and end the file, as nearly
// every frame's do; a guess that fails costs one more read. The bound keeps
// the buffer read into no larger than a large frame needs.
constexpr uint64_t kLargestOneReadFile = uint64_t{1} << 24;

bool ReadInOneCall(const InputFile& file) {
  return file.size() > kLongestHead && file.size() <= kLargestOneReadFile;
}

// Reads the head and the bytes after it into `pixels`; returns how many of
// those were read.
size_t ReadHeadAndRest(const InputFile& file, FileHead& head, PixelRows& pixels) {
  pixels.resize(size_t(file.size() - kLongestHead));
  const size_t got = file.ReadUpTo(0, head.bytes, kLongestHead, pixels.data(), pixels.size());
  if (got < kLongestHead) {
    ReadHead(file, head);  // the file shrank: its error, as for any short file
    return 0;
  }
  head.size = kLongestHead;
  return got - kLongestHead;
}

// The checks and the pixels, once the head is read and `restRead` bytes after
// it are in `image.pixels`.
void FinishLoad(const InputFile& file, const FileHead& head, size_t restRead, BmpImage& image) {
  const BmpLayout layout = ReadLayout(file, head);
  CopyPalette(head, layout.colours, image.palette);
  image.header = layout.header;
  image.source = file.identity();
  image.width = layout.header.biWidth;
  image.height = layout.height;
  image.stride = layout.stride;
  const size_t pixelBytes = size_t{layout.stride} * size_t(layout.height);
  const bool inPlace = layout.header.pixelDataOffset == kLongestHead && restRead >= pixelBytes;
  image.pixels.resize(pixelBytes);
  if (!inPlace) {
    file.ReadAt(layout.header.pixelDataOffset, image.pixels.data(), image.pixels.size());
  }
  if (layout.topDown) {
    for (int32_t low = 0, high = image.height - 1; low < high; ++low, --high) {
      std::swap_ranges(image.RowFromBottom(low), image.RowFromBottom(low) + image.stride,
                       image.RowFromBottom(high));
    }
  }
}

}  // namespace

void LoadBmpImage(const std::string& path, BmpImage& image) {
  LoadBmpImage(InputFile(path), image);
}

void LoadBmpImage(const InputFile& file, BmpImage& image) {
  LoadBmpImageUnlessOther(file, image, nullptr);
}

int LoadBmpImageUnlessOther(const InputFile& file, BmpImage& image, ReaderTest readerOf) {
  FileHead head;
  size_t restRead = 0;
  if (ReadInOneCall(file)) {
    restRead = ReadHeadAndRest(file, head, image.pixels);
    if (const int reader = readerOf != nullptr ? readerOf(head.bytes, head.size) : 0) {
      return reader;
    }
  } else {
    if (readerOf != nullptr) {
      // Asked before ReadHead, which refuses a file shorter than a BMP's header.
      uint8_t first[kFirstBytesTested] = {};
      const size_t count = size_t(std::min<uint64_t>(file.size(), sizeof first));
      file.ReadAt(0, first, count);
      if (const int reader = readerOf(first, count)) {
        return reader;
      }
    }
    ReadHead(file, head);
  }
  FinishLoad(file, head, restRead, image);
  return 0;
}

void ResetIndexedImage(BmpImage& image, int32_t width, int32_t height, const BmpPalette& palette) {
  image.header = BmpFrameHeader{};
  image.header.biSize = 40;
  image.header.biWidth = width;
  image.header.biHeight = height;
  image.header.biPlanes = 1;
  image.header.biBitCount = 8;
  image.palette = palette;
  image.width = width;
  image.height = height;
  image.stride = RowStride(width);
  image.pixels.resize(size_t{image.stride} * size_t(height));
}

BmpPalette BmpPaletteOf(const RgbPalette& rgbPalette) {
  BmpPalette bmp{};
  for (size_t i = 0; i < 256; ++i) {
    bmp[4 * i + 0] = rgbPalette[3 * i + 2];
    bmp[4 * i + 1] = rgbPalette[3 * i + 1];
    bmp[4 * i + 2] = rgbPalette[3 * i + 0];
  }
  return bmp;
}

RgbPalette BuildRgbPalette(const BmpPalette& bmpPalette) {
  RgbPalette rgb{};
  for (size_t i = 0; i < 256; ++i) {
    rgb[3 * i + 0] = bmpPalette[4 * i + 2];
    rgb[3 * i + 1] = bmpPalette[4 * i + 1];
    rgb[3 * i + 2] = bmpPalette[4 * i + 0];
  }
  return rgb;
}

}  // namespace kelvane
