// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The DEF file's numbers, each defined here once: its writer, its readers,
// the contact sheet, kelvane-cli and the tests take them from here.

namespace kelvane {

// DEF type codes run from $40 to $49; the Formats box lists them from the
// highest, so its position p stands for the code $49 - p.
constexpr int32_t kHighestDefType = 0x49;
constexpr int kDefTypeCount = 10;
constexpr int32_t DefTypeAtPosition(int position) {
  return kHighestDefType - position;
}
// The Formats box position of a type code; -1 for a code it does not list
// (a DEF read back may hold any 32-bit code, so the difference is taken in 64 bits).
constexpr int PositionOfDefType(int32_t type) {
  const int64_t position = int64_t{kHighestDefType} - type;
  return position >= 0 && position < kDefTypeCount ? int(position) : -1;
}

// Palette indices the engine gives a fixed meaning.
constexpr uint8_t kTransparentIndex = 0;
constexpr uint8_t kShadowIndex = 4;   // drawn darkening what lies beneath
constexpr uint8_t kOutlineIndex = 5;  // the selection outline

// The fixed sizes of a DEF file's records.
constexpr size_t kDefHeaderSize = 784;      // type, width, height, group count, palette
constexpr size_t kGroupEntryHeadSize = 16;  // number, frame count, two zeros
constexpr size_t kFrameNameSize = 13;       // the characters, then zeros to the 13th byte
constexpr size_t kFrameIndexEntrySize = kFrameNameSize + 4;  // a name and an offset
constexpr size_t kFrameHeaderSize = 32;
// Put in front of a short frame name to pad it towards twelve characters.
constexpr uint8_t kNameFiller = 0xCD;

// Format 1 rows: an offset of 4 bytes per row, then per row its segments,
// each a code byte and the length minus one: codes 0 to 7 are a run of that
// palette index, kRowLiteralCode a literal whose bytes follow.
constexpr size_t kRowOffsetSize = 4;
constexpr uint8_t kRowLastRunIndex = 7;
constexpr uint8_t kRowLiteralCode = 0xFF;

// Formats 2 and 3 code each row in blocks of 32 pixels, found through 16-bit
// offsets. A segment's code byte holds its kind in the top three bits (0 to 6
// a run of that palette index, kBlockLiteralKind a literal whose bytes follow)
// and its length minus one in the low five.
constexpr int kBlockPixels = 32;
constexpr size_t kBlockOffsetSize = 2;
constexpr uint8_t kBlockLiteralKind = 7;
constexpr uint8_t kBlockLastRunIndex = kBlockLiteralKind - 1;
constexpr int kBlockLengthBits = 5;
constexpr uint8_t BlockSegmentCode(uint8_t kind, int length) {
  return uint8_t(kind << kBlockLengthBits | (length - 1));
}
constexpr uint8_t BlockSegmentKind(uint8_t code) {
  return code >> kBlockLengthBits;
}
constexpr int BlockSegmentLength(uint8_t code) {
  return (code & ((1 << kBlockLengthBits) - 1)) + 1;
}

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
