// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/binary_file.h"
#include "base/bmp_frame.h"
#include "base/def_layout.h"

namespace kelvane {

// Bounds on what a DEF may make the reader hold, checked before anything is
// allocated from a size the file states.
struct DefReadLimits {
  uint64_t maxFileBytes = uint64_t{512} << 20;
  uint64_t maxFramePixels = uint64_t{64} << 20;  // full width x full height
  // Each group costs the reader a few times its 16 bytes, however empty: a
  // file of nothing but groups would otherwise take gigabytes. A builder
  // makes one group per separator of its list, and a list holds at most
  // 1,048,576 lines, far more than any real DEF's groups.
  uint64_t maxGroups = uint64_t{1} << 20;
};

using DefFrameName = std::array<uint8_t, kFrameNameSize>;

// One frame of a group: its 13 name bytes as stored, filler bytes and all,
// and where its data block starts.
struct DefFrameRef {
  DefFrameName name{};
  uint32_t offset = 0;
};

struct DefGroupEntry {
  int32_t number = 0;
  std::array<int32_t, 2> reserved{};  // 0 in every DEF this tool writes
  uint64_t entryOffset = 0;           // where the group's entry starts
  std::vector<DefFrameRef> frames;
};

// The 32 bytes in front of a frame's pixel data.
using DefFrameHeader = FrameHeader;

// A frame decoded into its full frame area, margins applied, top row first.
struct DefImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // width * height palette indices; 0 where nothing is drawn
  // Pixels of another index than 0 that had no place in the full frame: outside
  // it by the margins, or past the stored width in a row's last 32-pixel block.
  uint64_t clippedPixels = 0;

  uint8_t At(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// What reading a frame's data tells without drawing it.
struct FrameMeasure {
  DefFrameHeader header;
  uint64_t clippedPixels = 0;  // as DefImage counts them
};

class FrameCanvas;

// A DEF file held in memory. Opening checks the container: the header, every
// group entry, every frame's header, that its data lies inside the file and
// that it overlaps no other frame's data (entries may share one block). Decoding a frame checks its
// pixel data. Anything damaged ends with an input Error that names the file, the group and frame
// (counted from 1, with the group's number) and the byte offset in the file.
//
// Frames are decoded one at a time on request, so a viewer can list the groups
// at once and decode only the frame it shows.
class DefFile {
 public:
  static DefFile Open(const std::string& path, const DefReadLimits& limits = {});
  // `name` stands for the file in messages.
  DefFile(std::vector<uint8_t> bytes, std::string name, const DefReadLimits& limits = {});

  const std::string& name() const { return name_; }
  // The file it was read from, when Open() read it from one.
  const std::optional<FileIdentity>& source() const { return source_; }
  uint64_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

  int32_t type() const { return type_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  const RgbPalette& palette() const { return palette_; }
  const std::vector<DefGroupEntry>& groups() const { return groups_; }
  // Where the group entries end and the frame data region begins.
  uint64_t framesStart() const { return framesStart_; }
  size_t FrameCount() const;

  DefFrameHeader FrameHeaderOf(size_t group, size_t frame) const;
  // Reuses the image's buffer from frame to frame.
  void DecodeFrame(size_t group, size_t frame, DefImage& into) const;
  DefImage DecodeFrame(size_t group, size_t frame) const;
  // Checks the frame's data as DecodeFrame does, in time bounded by its
  // DataSize, and allocates nothing for its area.
  FrameMeasure MeasureFrame(size_t group, size_t frame) const;

 private:
  void ReadHeader();
  void ReadGroups();
  void CheckFrameHeaders() const;
  void DecodeOnto(size_t group, size_t frame, const DefFrameHeader& header,
                  FrameCanvas& canvas) const;

  std::vector<uint8_t> bytes_;
  std::string name_;
  std::optional<FileIdentity> source_;
  DefReadLimits limits_;
  int32_t type_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  RgbPalette palette_{};
  std::vector<DefGroupEntry> groups_;
  uint64_t framesStart_ = 0;
};

// Refuses, with an input error, to write `target` when it names the file the
// DEF was read from (by device and inode, so a link or another path to it
// too): no command that reads a DEF writes over it.
void RefuseWritingOverSource(const DefFile& def, const std::string& target);

// The name bytes up to the first zero byte.
std::string NameText(const DefFrameName& name);

}  // namespace kelvane
