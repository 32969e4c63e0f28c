// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "base/binary_file.h"

namespace kelvane {

// The 52 bytes that follow a BMP file's "BM" signature.
struct BmpFrameHeader {
  uint32_t fileSize = 0;
  uint16_t reserved1 = 0;
  uint16_t reserved2 = 0;
  uint32_t pixelDataOffset = 0;
  uint32_t biSize = 0;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 0;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;

  static constexpr size_t kSize = 52;
  static BmpFrameHeader FromBytes(const uint8_t* bytes);
};

// A colour table as stored in a BMP: 256 entries of blue, green, red, reserved.
using BmpPalette = std::array<uint8_t, 1024>;
// The DEF colour table: 256 entries of red, green, blue.
using RgbPalette = std::array<uint8_t, 768>;

constexpr uint32_t kBmpColourTableOffset = 54;

// The most pixel bytes (padding included) a frame may have, read from a file
// or cut to a fixed size: 256 MiB, some 16384 x 16384 pixels.
constexpr uint64_t kLargestFrameBytes = uint64_t{1} << 28;

// Length of one stored pixel row: the width rounded up to a multiple of 4.
uint32_t RowStride(int32_t width);

// An allocator whose new elements are left as they come: a frame buffer is
// filled from the file (or drawn) right after it grows, so zero-filling it
// first would only cost a pass over every byte.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <typename U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

  template <typename U>
  void construct(U* at) noexcept {
    ::new (static_cast<void*>(at)) U;
  }
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
};

// Pixel rows; resize() leaves new bytes unset, assign() and insert() set them.
using PixelRows = std::vector<uint8_t, UninitialisedAllocator<uint8_t>>;

// One frame read into memory. Rows are kept with their padding bytes, bottom
// row first as BMP files store them; top-down files are turned over on load.
struct BmpImage {
  BmpFrameHeader header;  // biHeight is made positive for top-down files
  BmpPalette palette{};   // padded with zero entries when the file has fewer colours
  int32_t width = 0;
  int32_t height = 0;
  uint32_t stride = 0;
  PixelRows pixels;     // stride * height bytes
  FileIdentity source;  // the file the frame was read from

  uint8_t* RowFromBottom(int32_t v) { return pixels.data() + size_t(v) * stride; }
  const uint8_t* RowFromBottom(int32_t v) const { return pixels.data() + size_t(v) * stride; }
  const uint8_t* RowFromTop(int32_t y) const { return RowFromBottom(height - 1 - y); }
  uint8_t* RowFromTop(int32_t y) { return RowFromBottom(height - 1 - y); }
};

// Reads and checks a frame's header (and colour table when `palette` is given)
// without reading its pixels. A file that is not an uncompressed 8-bit BMP with
// a 40-byte information header, at most 256 colours and all of its pixel rows
// gets an error naming the file and what is wrong.
void ReadBmpHeader(const std::string& path, BmpFrameHeader& header, BmpPalette* palette);
void ReadBmpHeader(const InputFile& file, BmpFrameHeader& header, BmpPalette* palette);

// Reads a whole frame, checked as ReadBmpHeader does. The image's buffers are
// reused, so loading frame after frame does not allocate once they are large enough.
void LoadBmpImage(const std::string& path, BmpImage& image);
void LoadBmpImage(const InputFile& file, BmpImage& image);

// Names from a file's first `count` bytes (all of them when the file is
// shorter than kFirstBytesTested, else at least that many) the reader that
// takes it: 0 for LoadBmpImage, another number for another reader.
constexpr size_t kFirstBytesTested = 30;
using ReaderTest = int (*)(const uint8_t* first, size_t count);

// As LoadBmpImage when `readerOf` names it (0), and returns 0; otherwise
// returns the reader named, and `image` holds nothing of use. The test is
// given the bytes that LoadBmpImage reads first, so that a frame is read with
// one call.
int LoadBmpImageUnlessOther(const InputFile& file, BmpImage& image, ReaderTest readerOf);

// Makes `image` an 8-bit frame of the given size, as if read from a BMP with
// a 40-byte header and `palette`; its pixels are to be filled in.
void ResetIndexedImage(BmpImage& image, int32_t width, int32_t height, const BmpPalette& palette);

RgbPalette BuildRgbPalette(const BmpPalette& bmpPalette);

// The other way: a colour table as a BMP stores it, reserved bytes 0.
BmpPalette BmpPaletteOf(const RgbPalette& rgbPalette);

}  // namespace kelvane
