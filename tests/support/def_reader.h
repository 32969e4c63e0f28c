// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "compiler/def_format.h"

namespace testing_support {

// One frame data block: the 32-byte frame header, read field by field from
// its offset, then dataSize bytes.
struct FrameBlock : kelvane::FrameHeader {
  size_t offset = 0;  // where the block starts in the bytes it was read from
  std::vector<uint8_t> data;
};

struct DefGroup {
  int32_t number = 0;
  std::vector<std::string> names;  // up to the first zero byte
  std::vector<int32_t> offsets;
};

struct DefFile {
  int32_t type = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> palette;  // 768 bytes: red, green, blue
  std::vector<DefGroup> groups;
  std::vector<FrameBlock> frames;  // in the order the groups list them
};

// Reads the block at `at`. Throws (failing the test) when the header or its
// data runs past the bytes.
FrameBlock ReadFrameBlock(const std::vector<uint8_t>& bytes, size_t at = 0);

// Reads a whole DEF. Throws when anything runs past the bytes, a name is not
// zero-padded, a reserved field is not 0, or the blocks do not follow one
// another from the end of the group entries to the end of the file.
DefFile ReadDef(const std::vector<uint8_t>& bytes);
DefFile ReadDefFile(const std::string& path);

// The number of every group, in file order.
std::vector<int32_t> GroupNumbersOf(const DefFile& def);

}  // namespace testing_support
