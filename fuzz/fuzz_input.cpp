// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_input.h"

#include <sys/mman.h>
#include <unistd.h>

#include <stdexcept>

#include "bmpgen/bmp_writer.h"

namespace kelvane::fuzz {

MemoryFile::MemoryFile(const uint8_t* data, size_t size) {
  fd_ = ::memfd_create("kelvane-fuzz", MFD_CLOEXEC);
  if (fd_ < 0) {
    throw std::runtime_error("memfd_create failed");
  }
  for (size_t done = 0; done < size;) {
    const ssize_t put = ::write(fd_, data + done, size - done);
    if (put <= 0) {
      throw std::runtime_error("cannot fill the memory file");
    }
    done += size_t(put);
  }
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() {
  ::close(fd_);
}

namespace {

constexpr int kLargestSide = 320;

enum Flag : uint8_t {
  kShadow = 1,
  kOutline = 2,
  kChecked = 4,
  kFixedSize = 8,
  kOffsetX = 16,
  kOffsetY = 32,
  kTopDown = 64,
  kFewColours = 128,
};

}  // namespace

FrameCase DecodeFrameCase(const uint8_t* data, size_t size) {
  InputBytes in(data, size);
  FrameCase c;
  c.format = in.Byte() % 4;
  const uint8_t flags = in.Byte();
  const int width = 1 + in.Word() % kLargestSide;
  const int height = 1 + in.Word() % kLargestSide;
  const int fixedWidth = 1 + in.Byte() * 2;
  const int fixedHeight = 1 + in.Byte() * 2;
  const auto x = int8_t(in.Byte());
  const auto y = int8_t(in.Byte());
  c.settings.shadow = (flags & kShadow) != 0;
  c.settings.outline = (flags & kOutline) != 0;
  c.checked = (flags & kChecked) != 0;
  if (flags & kFixedSize) {
    c.settings.fixedSize = FrameSize{fixedWidth, fixedHeight};
  }
  if (flags & kOffsetX) {
    c.settings.offsets.x = x;
  }
  if (flags & kOffsetY) {
    c.settings.offsets.y = y;
  }
  c.settings.firstFrameWidth = uint16_t(width);
  c.settings.firstFrameHeight = uint16_t(height);

  bmpgen::Bmp8 frame(width, height);
  frame.topDown = (flags & kTopDown) != 0;
  frame.colours = (flags & kFewColours) != 0 ? 16 : 256;
  frame.padding = in.Byte();
  // The pixels repeat the rest of the input; special indices 0 to 7 stay as
  // they are, so that runs, shadows and outlines are met often.
  const uint8_t* pixels = in.rest();
  const size_t count = in.restSize();
  for (size_t i = 0; count > 0 && i < frame.pixels.size(); ++i) {
    frame.pixels[i] = pixels[i % count];
  }
  c.bmp = bmpgen::EncodeBmp8(frame);
  return c;
}

std::vector<uint8_t> EncodeFrameCase(int format, uint8_t flags, int width, int height,
                                     const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> input = {uint8_t(format),
                                flags,
                                uint8_t(width - 1),
                                uint8_t((width - 1) >> 8),
                                uint8_t(height - 1),
                                uint8_t((height - 1) >> 8),
                                40,
                                30,
                                3,
                                0xFE,
                                0};
  input.insert(input.end(), pixels.begin(), pixels.end());
  return input;
}

}  // namespace kelvane::fuzz
