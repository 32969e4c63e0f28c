// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvane {

// The fixed sizes of a DEF file's records, shared by its writer and its reader.
constexpr size_t kDefHeaderSize = 784;      // type, width, height, group count, palette
constexpr size_t kGroupEntryHeadSize = 16;  // number, frame count, two zeros
constexpr size_t kFrameNameSize = 13;
constexpr size_t kFrameIndexEntrySize = kFrameNameSize + 4;  // a name and an offset
constexpr size_t kFrameHeaderSize = 32;

// The 32 bytes in front of every frame's encoded pixels.
struct FrameHeader {
  int32_t dataSize = 0;
  int32_t format = 0;
  int32_t fullWidth = 0;
  int32_t fullHeight = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t leftMargin = 0;
  int32_t topMargin = 0;

  void AppendTo(std::vector<uint8_t>& out) const;
};

}  // namespace kelvane
