// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/def_reader.h"

#include <stdexcept>

#include "base/def_layout.h"
#include "support/test_support.h"

namespace testing_support {

namespace {

using kelvane::kDefHeaderSize;
using kelvane::kFrameHeaderSize;
using kelvane::kFrameIndexEntrySize;
using kelvane::kFrameNameSize;
using kelvane::kGroupEntryHeadSize;

// Le32 itself refuses a field past the end; this checks what sizes and counts claim.
void Require(bool condition, const std::string& what, size_t at) {
  if (!condition) {
    throw std::runtime_error("bad DEF: " + what + " at " + std::to_string(at));
  }
}

bool Holds(const std::vector<uint8_t>& bytes, size_t at, size_t count) {
  return at <= bytes.size() && count <= bytes.size() - at;
}

std::string ReadName(const std::vector<uint8_t>& bytes, size_t at) {
  const std::string stored(bytes.begin() + long(at), bytes.begin() + long(at + kFrameNameSize));
  const std::string name = stored.substr(0, stored.find('\0'));
  Require(name.size() < kFrameNameSize &&
              stored == name + std::string(kFrameNameSize - name.size(), '\0'),
          "name not padded with zero bytes", at);
  return name;
}

}  // namespace

FrameBlock ReadFrameBlock(const std::vector<uint8_t>& bytes, size_t at) {
  FrameBlock block;
  block.offset = at;
  int32_t* fields[] = {&block.dataSize, &block.format, &block.fullWidth,  &block.fullHeight,
                       &block.width,    &block.height, &block.leftMargin, &block.topMargin};
  for (size_t i = 0; i < 8; ++i) {
    *fields[i] = Le32(bytes, at + 4 * i);
  }
  const size_t size = size_t(uint32_t(block.dataSize));
  const size_t data = at + kFrameHeaderSize;
  Require(block.dataSize >= 0 && Holds(bytes, data, size), "dataSize past the end", at);
  block.data.assign(bytes.begin() + long(data), bytes.begin() + long(data + size));
  return block;
}

DefFile ReadDef(const std::vector<uint8_t>& bytes) {
  DefFile def;
  def.type = Le32(bytes, 0);
  def.width = Le32(bytes, 4);
  def.height = Le32(bytes, 8);
  const int32_t groupCount = Le32(bytes, 12);
  Require(groupCount >= 0 && Holds(bytes, 16, kDefHeaderSize - 16), "group count or palette", 12);
  def.palette.assign(bytes.begin() + 16, bytes.begin() + long(kDefHeaderSize));
  size_t at = kDefHeaderSize;
  for (int32_t g = 0; g < groupCount; ++g) {
    DefGroup group;
    group.number = Le32(bytes, at);
    const int32_t frames = Le32(bytes, at + 4);
    Require(Le32(bytes, at + 8) == 0 && Le32(bytes, at + 12) == 0, "reserved field not 0", at);
    Require(frames >= 0 && Holds(bytes, at + kGroupEntryHeadSize,
                                 kFrameIndexEntrySize * size_t(uint32_t(frames))),
            "frame count past the end", at);
    for (at += kGroupEntryHeadSize; group.names.size() < size_t(frames); at += kFrameNameSize) {
      group.names.push_back(ReadName(bytes, at));
    }
    for (; group.offsets.size() < size_t(frames); at += 4) {
      group.offsets.push_back(Le32(bytes, at));
    }
    def.groups.push_back(group);
  }
  for (const DefGroup& group : def.groups) {
    for (const int32_t offset : group.offsets) {
      Require(size_t(uint32_t(offset)) == at, "frame block not where the last one ends", at);
      def.frames.push_back(ReadFrameBlock(bytes, at));
      at += 32 + def.frames.back().data.size();
    }
  }
  Require(at == bytes.size(), "the last block does not end the file", at);
  return def;
}

DefFile ReadDefFile(const std::string& path) {
  return ReadDef(ReadBytes(path));
}

std::vector<int32_t> GroupNumbersOf(const DefFile& def) {
  std::vector<int32_t> numbers;
  for (const DefGroup& group : def.groups) {
    numbers.push_back(group.number);
  }
  return numbers;
}

}  // namespace testing_support
