// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/bmp_frame.h"
#include "compiler/frame_settings.h"

namespace kelvane::fuzz {

// Bytes held in an anonymous in-memory file that the readers open by path,
// as they open the user's files; closed when dropped.
class MemoryFile {
 public:
  MemoryFile(const uint8_t* data, size_t size);
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

// Takes bytes from the front of a fuzz input; zeros once it is used up.
class InputBytes {
 public:
  InputBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Word() { return uint16_t(Byte() | Byte() << 8); }
  const uint8_t* rest() const { return data_ + at_; }
  size_t restSize() const { return size_ - at_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// One frame to compile: the encoder (0 to 3), its settings, whether the entry
// is checked, and the frame as a BMP file's bytes.
struct FrameCase {
  int format = 1;
  FrameSettings settings;
  bool checked = false;
  std::vector<uint8_t> bmp;
};

// The layout of a compile-frame input: 11 bytes of choices, then pixels.
FrameCase DecodeFrameCase(const uint8_t* data, size_t size);
// The input that DecodeFrameCase turns into this case, for seeds.
std::vector<uint8_t> EncodeFrameCase(int format, uint8_t flags, int width, int height,
                                     const std::vector<uint8_t>& pixels);

}  // namespace kelvane::fuzz
