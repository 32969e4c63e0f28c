#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "compiler/compile_state.h"

namespace kelvane {

constexpr size_t kDefHeaderSize = 784;
constexpr size_t kGroupEntryHeadSize = 16;
constexpr size_t kFrameNameSize = 13;
constexpr size_t kFrameIndexEntrySize = kFrameNameSize + 4;  // a name and an offset
constexpr size_t kFrameHeaderSize = 32;

// DefType codes by position in the Formats box: $49 down to $40.
constexpr std::array<int32_t, 10> kDefTypeTable = {73, 72, 71, 70, 69, 68, 67, 66, 65, 64};

// Pixel encodings by position in the Type box.
constexpr std::array<int32_t, 4> kFrameFormatByType = {1, 0, 3, 0};

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

// The 784-byte DEF header: type, frame size, group count and the RGB palette.
void AppendDefHeader(const CompileState& state, std::vector<uint8_t>& out);

// The 16 bytes that open a group entry: number, frame count and two zeros.
void AppendGroupEntryHead(int32_t groupNumber, int32_t frameCount, std::vector<uint8_t>& out);

}  // namespace kelvane
