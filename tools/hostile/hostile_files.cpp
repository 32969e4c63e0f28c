// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile/hostile_files.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace hostile {

namespace {

using kelvane::kDefHeaderSize;
using kelvane::kFrameHeaderSize;
using kelvane::kFrameIndexEntrySize;
using kelvane::kFrameNameSize;
using kelvane::kGroupEntryHeadSize;

void Put32(std::vector<uint8_t>& out, int64_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<uint8_t>(bits >> shift));
  }
}

void PutName(std::vector<uint8_t>& out, const std::string& name) {
  const size_t kept = std::min(name.size(), kFrameNameSize - 1);
  out.insert(out.end(), name.begin(), name.begin() + long(kept));
  out.insert(out.end(), kFrameNameSize - kept, 0);
}

std::string Numbered(const std::string& stem, size_t n) {
  return stem + std::to_string(n) + ".pcx";
}

}  // namespace

Block EmptyFrame(int32_t width, int32_t height) {
  Block block;
  block.header.format = 1;
  block.header.fullWidth = width;
  block.header.fullHeight = height;
  return block;
}

Block RawFrame(int32_t width, int32_t height, uint8_t index) {
  Block block;
  block.header.fullWidth = block.header.width = width;
  block.header.fullHeight = block.header.height = height;
  block.data.assign(size_t(width) * size_t(height), index);
  return block;
}

DefAssembler::DefAssembler(int32_t type, int32_t width, int32_t height)
    : type_(type), width_(width), height_(height) {}

size_t DefAssembler::AddBlock(Block block) {
  blocks_.push_back(std::move(block));
  return blocks_.size() - 1;
}

void DefAssembler::AddGroup(int32_t number, std::vector<Entry> entries) {
  groups_.push_back({number, std::move(entries)});
}

void DefAssembler::AddEmptyGroups(size_t count) {
  emptyGroups_ += count;
}

std::vector<uint8_t> DefAssembler::Bytes() const {
  size_t entriesSize = kGroupEntryHeadSize * emptyGroups_;
  for (const Group& group : groups_) {
    entriesSize += kGroupEntryHeadSize + kFrameIndexEntrySize * group.entries.size();
  }
  std::vector<size_t> blockAt;
  size_t at = kDefHeaderSize + entriesSize;
  for (const Block& block : blocks_) {
    blockAt.push_back(at);
    at += kFrameHeaderSize + block.data.size();
  }
  std::vector<uint8_t> out;
  out.reserve(at);
  for (const int64_t field : {int64_t{type_}, int64_t{width_}, int64_t{height_},
                              int64_t(groups_.size() + emptyGroups_)}) {
    Put32(out, field);
  }
  for (int i = 0; i < 768; ++i) {
    out.push_back(uint8_t(i / 3));
  }
  for (const Group& group : groups_) {
    for (const int64_t field :
         {int64_t{group.number}, int64_t(group.entries.size()), int64_t{0}, int64_t{0}}) {
      Put32(out, field);
    }
    for (const Entry& entry : group.entries) {
      PutName(out, entry.name);
    }
    for (const Entry& entry : group.entries) {
      Put32(out, int64_t(blockAt.at(entry.block)));
    }
  }
  for (size_t g = 0; g < emptyGroups_; ++g) {
    for (const int64_t field : {int64_t(g), int64_t{0}, int64_t{0}, int64_t{0}}) {
      Put32(out, field);
    }
  }
  for (const Block& block : blocks_) {
    kelvane::FrameHeader header = block.header;
    header.dataSize = int32_t(block.data.size());
    header.AppendTo(out);
    out.insert(out.end(), block.data.begin(), block.data.end());
  }
  return out;
}

std::vector<uint8_t> WrappingSheetDef() {
  DefAssembler def;
  const size_t wide = def.AddBlock(EmptyFrame(INT32_MAX - 9, 0));
  const size_t high = def.AddBlock(EmptyFrame(0, INT32_MAX - 74));
  const size_t dot = def.AddBlock(RawFrame(1, 1, 7));
  def.AddGroup(0, {{"w1.pcx", wide}, {"w2.pcx", wide}, {"w3.pcx", wide}, {"w4.pcx", wide}});
  def.AddGroup(1, {{"high.pcx", high}});
  def.AddGroup(2, {{"dot.pcx", dot}});
  return def.Bytes();
}

std::vector<uint8_t> TallSheetDef() {
  DefAssembler def;
  def.AddGroup(0, {{"tall.pcx", def.AddBlock(EmptyFrame(48, 1000001 - 30))}});
  return def.Bytes();
}

std::vector<uint8_t> OneNameDef(size_t count, const std::string& name) {
  DefAssembler def;
  std::vector<Entry> entries;
  for (size_t i = 0; i < count; ++i) {
    Block block = RawFrame(2, 2, 0);
    for (size_t b = 0; b < 4; ++b) {
      block.data[b] = uint8_t(i >> (8 * b));
    }
    entries.push_back({name, def.AddBlock(std::move(block))});
  }
  def.AddGroup(0, std::move(entries));
  return def.Bytes();
}

std::vector<uint8_t> SameSafeNameDef(size_t count) {
  DefAssembler def;
  const size_t block = def.AddBlock(RawFrame(2, 2, 9));
  std::vector<Entry> entries;
  for (size_t i = 0; i < count; ++i) {
    std::string name = "a";
    for (size_t rest = i; name.size() < 4; rest /= 31) {
      name += char(1 + rest % 31);  // control bytes 1 to 31
    }
    entries.push_back({name + ".pcx", block});
  }
  def.AddGroup(0, std::move(entries));
  return def.Bytes();
}

std::vector<uint8_t> SharedFrameDef(size_t entries, int32_t side) {
  DefAssembler def;
  const size_t block = def.AddBlock(EmptyFrame(side, side));
  std::vector<Entry> list;
  for (size_t i = 0; i < entries; ++i) {
    list.push_back({Numbered("f", i), block});
  }
  def.AddGroup(0, std::move(list));
  return def.Bytes();
}

std::vector<uint8_t> ManyGroupsDef(size_t count) {
  DefAssembler def;
  def.AddEmptyGroups(count);
  return def.Bytes();
}

std::vector<uint8_t> NamedFrameDef(const std::string& name) {
  DefAssembler def;
  def.AddGroup(0, {{name, def.AddBlock(RawFrame(2, 2, 9))}});
  return def.Bytes();
}

std::string DefListHeader(const std::string& outputName) {
  return "3\r\n4\r\n" + outputName +
         "\r\nFALSE\r\nFALSE\r\nFALSE\r\n32\r\n32\r\n\r\n-1\r\nFALSE\r\nFALSE\r\nFALSE\r\n"
         "Auto\r\nAuto\r\n";
}

std::string DefListWithOutput(const std::string& outputName, const std::string& frame) {
  return DefListHeader(outputName) + frame + "  0+\r\n";
}

std::string EmptyLinesDefList(size_t lines) {
  return DefListHeader("Temp.def") + std::string(lines, '\n');
}

std::string LongLineDefList(size_t lineNumber, size_t length) {
  std::string text = DefListHeader("Temp.def");
  for (size_t line = 16; line < lineNumber; ++line) {
    text += "f" + std::to_string(line) + ".bmp\n";
  }
  return text + std::string(length, 'x') + "\n";
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file.flush());
}

bool WriteFile(const std::string& path, const std::string& text) {
  return WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace hostile
