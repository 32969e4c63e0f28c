// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/def_layout.h"

// DEF files and DefList documents as someone else could make them to harm the
// reader: sizes that wrap, entries that share one frame block many times,
// names that collide, huge counts. Assembled byte by byte, never by the
// builder, for the tests and the benchmarks of the reading commands.
namespace hostile {

// A frame's data block: its header (DataSize is the data's size, whatever the
// header says) and the encoded bytes after it.
struct Block {
  kelvane::FrameHeader header;
  std::vector<uint8_t> data;
};

// A full frame of `width` x `height` with nothing stored in it: format 1,
// no rows, DataSize 0. 32 bytes whatever its size.
Block EmptyFrame(int32_t width, int32_t height);
// A frame of `width` x `height` raw pixels (format 0), all of `index`.
Block RawFrame(int32_t width, int32_t height, uint8_t index);

// One entry of a group: a frame name and the block its offset points at.
struct Entry {
  std::string name;  // up to 12 bytes; zero bytes fill the rest
  size_t block = 0;
};

// A DEF laid out as the builder lays one out, except that entries may share
// blocks and that nothing is checked.
class DefAssembler {
 public:
  explicit DefAssembler(int32_t type = 0x42, int32_t width = 32, int32_t height = 32);
  size_t AddBlock(Block block);
  void AddGroup(int32_t number, std::vector<Entry> entries);
  // Adds `count` groups without frames, numbered 0 upwards.
  void AddEmptyGroups(size_t count);
  std::vector<uint8_t> Bytes() const;

 private:
  struct Group {
    int32_t number = 0;
    std::vector<Entry> entries;
  };
  int32_t type_;
  int32_t width_;
  int32_t height_;
  std::vector<Block> blocks_;
  std::vector<Group> groups_;
  size_t emptyGroups_ = 0;
};

// A sheet whose width times height is 2^64, wrapping to 0 in 64 bits: four
// frames 2^31 - 10 wide and none high make a row 2^33 wide, a frame 2^31 - 75
// high and none wide and a 1 x 1 frame make the sheet 2^31 high.
std::vector<uint8_t> WrappingSheetDef();
// One frame of 48 x 999,971: a sheet of 64 x 1,000,001 pixels, fewer than
// 2^26 in all but higher than a PNG reader takes by default.
std::vector<uint8_t> TallSheetDef();
// `count` frames of 2 x 2 raw pixels, each frame its own pixels, all named
// `name`.
std::vector<uint8_t> OneNameDef(size_t count, const std::string& name = "walk0001.pcx");
// `count` frames whose names differ only in control bytes, so that they all
// come down to the same safe file name "a".
std::vector<uint8_t> SameSafeNameDef(size_t count);
// `entries` entries, named apart, that all point at one empty frame of
// `side` x `side`.
std::vector<uint8_t> SharedFrameDef(size_t entries, int32_t side);
// `count` groups without frames.
std::vector<uint8_t> ManyGroupsDef(size_t count);
// One 2 x 2 frame named `name`.
std::vector<uint8_t> NamedFrameDef(const std::string& name);

// The 15 settings lines of a type 2 DefList with this output name.
std::string DefListHeader(const std::string& outputName);
// A type 2 DefList whose output line is `outputName` and whose one frame is
// `frame`, closing group 0.
std::string DefListWithOutput(const std::string& outputName, const std::string& frame = "a.bmp");
// A type 2 DefList whose list is `lines` empty lines ended by LF.
std::string EmptyLinesDefList(size_t lines);
// A type 2 DefList whose line `lineNumber` (from 1, after the 15 settings
// lines) is `length` bytes long; the list lines before it are short names.
std::string LongLineDefList(size_t lineNumber, size_t length);

// Writes `bytes` to `path`; false when it cannot.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteFile(const std::string& path, const std::string& text);

}  // namespace hostile
