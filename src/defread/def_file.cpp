// SPDX-License-Identifier: GPL-3.0-or-later
#include "defread/def_file.h"

#include <algorithm>
#include <utility>

#include "base/binary_file.h"
#include "base/checked_size.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "defread/frame_canvas.h"
#include "defread/frame_decoding.h"
#include "defread/read_failure.h"

namespace kelvane {

namespace {

constexpr uint64_t kPaletteAt = 16;
constexpr int32_t kLastFormat = 3;

int32_t Le32At(const std::vector<uint8_t>& bytes, uint64_t at) {
  return static_cast<int32_t>(LoadLe32(bytes.data() + at));
}

DefFrameHeader FrameHeaderAt(const std::vector<uint8_t>& bytes, uint64_t at) {
  DefFrameHeader h;
  int32_t* fields[] = {&h.dataSize, &h.format, &h.fullWidth,  &h.fullHeight,
                       &h.width,    &h.height, &h.leftMargin, &h.topMargin};
  for (int32_t* field : fields) {
    *field = Le32At(bytes, at);
    at += 4;
  }
  return h;
}

}  // namespace

DefFile DefFile::Open(const std::string& path, const DefReadLimits& limits) {
  const InputFile file(path);
  if (file.size() > limits.maxFileBytes) {
    ThrowDamaged({path, {}, 0, {}}, 0,
                 "the file is " + std::to_string(file.size()) + " bytes long, more than the " +
                     std::to_string(limits.maxFileBytes) + " a DEF may have here");
  }
  std::vector<uint8_t> bytes(file.size());
  file.ReadAt(0, bytes.data(), bytes.size());
  DefFile def(std::move(bytes), path, limits);
  def.source_ = file.identity();
  return def;
}

DefFile::DefFile(std::vector<uint8_t> bytes, std::string name, const DefReadLimits& limits)
    : bytes_(std::move(bytes)), name_(std::move(name)), limits_(limits) {
  ReadHeader();
  ReadGroups();
  CheckFrameHeaders();
}

void DefFile::ReadHeader() {
  if (bytes_.size() < kDefHeaderSize) {
    ThrowDamaged({name_, {}, 0, {}}, bytes_.size(),
                 "the file ends within the 784-byte header (it is " +
                     std::to_string(bytes_.size()) + " bytes long)");
  }
  type_ = Le32At(bytes_, 0);
  width_ = Le32At(bytes_, 4);
  height_ = Le32At(bytes_, 8);
  std::copy_n(bytes_.begin() + kPaletteAt, palette_.size(), palette_.begin());
}

void DefFile::ReadGroups() {
  const int32_t count = Le32At(bytes_, 12);
  const uint64_t room = bytes_.size() - kDefHeaderSize;
  if (count < 0 || uint64_t(count) * kGroupEntryHeadSize > room) {
    ThrowDamaged({name_, {}, 0, {}}, 12,
                 "GroupCount " + std::to_string(count) + " does not fit in the file's " +
                     std::to_string(room) + " bytes after the header");
  }
  if (uint64_t(count) > limits_.maxGroups) {
    ThrowDamaged({name_, {}, 0, {}}, 12,
                 "GroupCount " + SizeText(uint64_t(count)) + " is more than the " +
                     SizeText(limits_.maxGroups) + " groups a DEF may have here");
  }
  groups_.reserve(size_t(count));
  uint64_t pos = kDefHeaderSize;
  for (int32_t g = 0; g < count; ++g) {
    DefGroupEntry group;
    group.entryOffset = pos;
    const DefPlace place{name_, size_t(g), 0, {}};
    if (pos + kGroupEntryHeadSize > bytes_.size()) {
      ThrowDamaged(place, pos, "the file ends within the group's entry");
    }
    group.number = Le32At(bytes_, pos);
    const int32_t frames = Le32At(bytes_, pos + 4);
    group.reserved = {Le32At(bytes_, pos + 8), Le32At(bytes_, pos + 12)};
    pos += kGroupEntryHeadSize;
    if (frames < 0 || uint64_t(frames) * kFrameIndexEntrySize > bytes_.size() - pos) {
      ThrowDamaged({name_, size_t(g), group.number, {}}, pos - 12,
                   "FrameCount " + std::to_string(frames) +
                       " names and offsets do not fit in the rest of the file");
    }
    group.frames.resize(size_t(frames));
    for (int32_t f = 0; f < frames; ++f) {
      DefFrameRef& ref = group.frames[size_t(f)];
      std::copy_n(bytes_.begin() + long(pos + kFrameNameSize * uint64_t(f)), kFrameNameSize,
                  ref.name.begin());
      ref.offset =
          LoadLe32(bytes_.data() + pos + kFrameNameSize * uint64_t(frames) + 4 * uint64_t(f));
    }
    pos += kFrameIndexEntrySize * uint64_t(frames);
    groups_.push_back(std::move(group));
  }
  framesStart_ = pos;
}

size_t DefFile::FrameCount() const {
  size_t count = 0;
  for (const DefGroupEntry& group : groups_) {
    count += group.frames.size();
  }
  return count;
}

// Entries may share a block, but distinct blocks never overlap: so the data
// of all distinct blocks together is no longer than the file, and the work of
// reading each block once is bounded by the file's size.
void DefFile::CheckFrameHeaders() const {
  struct Block {
    uint32_t offset;
    uint32_t group;  // of the first entry that points at it
    uint32_t frame;
  };
  std::vector<Block> blocks;
  for (size_t g = 0; g < groups_.size(); ++g) {
    for (size_t f = 0; f < groups_[g].frames.size(); ++f) {
      FrameHeaderOf(g, f);
      blocks.push_back({groups_[g].frames[f].offset, uint32_t(g), uint32_t(f)});
    }
  }
  const auto byOffset = [](const Block& a, const Block& b) { return a.offset < b.offset; };
  std::stable_sort(blocks.begin(), blocks.end(), byOffset);
  blocks.erase(std::unique(blocks.begin(), blocks.end(),
                           [](const Block& a, const Block& b) { return a.offset == b.offset; }),
               blocks.end());
  for (size_t i = 1; i < blocks.size(); ++i) {
    const Block& block = blocks[i - 1];
    const int32_t dataSize = Le32At(bytes_, block.offset);
    if (block.offset + kFrameHeaderSize + uint64_t(dataSize) > blocks[i].offset) {
      ThrowDamaged({name_, block.group, groups_[block.group].number, block.frame}, block.offset,
                   "DataSize " + std::to_string(dataSize) +
                       " runs into the next frame's data block, at " +
                       std::to_string(blocks[i].offset));
    }
  }
}

DefFrameHeader DefFile::FrameHeaderOf(size_t group, size_t frame) const {
  const DefGroupEntry& entry = groups_.at(group);
  const DefPlace place{name_, group, entry.number, frame};
  const uint64_t at = entry.frames.at(frame).offset;
  const uint64_t offsetField =
      entry.entryOffset + kGroupEntryHeadSize + kFrameNameSize * entry.frames.size() + 4 * frame;
  if (at < framesStart_ || at + kFrameHeaderSize > bytes_.size()) {
    ThrowDamaged(place, offsetField,
                 "the frame's offset " + std::to_string(at) + " lies outside the frame data (" +
                     std::to_string(framesStart_) + " to " + std::to_string(bytes_.size()) + ")");
  }
  const DefFrameHeader h = FrameHeaderAt(bytes_, at);
  if (h.dataSize < 0 || at + kFrameHeaderSize + uint64_t(h.dataSize) > bytes_.size()) {
    ThrowDamaged(place, at,
                 "DataSize " + std::to_string(h.dataSize) + " runs past the end of the file");
  }
  if (h.format < 0 || h.format > kLastFormat) {
    ThrowDamaged(place, at + 4, "unknown frame format " + std::to_string(h.format));
  }
  if (h.fullWidth < 0 || h.fullHeight < 0 ||
      uint64_t(h.fullWidth) * uint64_t(h.fullHeight) > limits_.maxFramePixels) {
    ThrowDamaged(place, at + 8,
                 "a full frame of " + std::to_string(h.fullWidth) + " x " +
                     std::to_string(h.fullHeight) + " pixels is negative or larger than the " +
                     std::to_string(limits_.maxFramePixels) + " pixels allowed");
  }
  if (h.width < 0 || h.height < 0) {
    ThrowDamaged(place, at + 16,
                 "a stored image of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
                     " pixels");
  }
  return h;
}

void DefFile::DecodeOnto(size_t group, size_t frame, const DefFrameHeader& header,
                         FrameCanvas& canvas) const {
  const uint64_t at = groups_[group].frames[frame].offset + kFrameHeaderSize;
  const DefPlace place{name_, group, groups_[group].number, frame};
  const FrameData data{bytes_.data() + at, uint64_t(header.dataSize), at, &place};
  switch (header.format) {
    case 0:
      DecodeRawPixels(header, data, canvas);
      break;
    case 1:
      DecodeRows(header, data, canvas);
      break;
    default:
      DecodeBlocks(header, data, canvas);
      break;
  }
}

void DefFile::DecodeFrame(size_t group, size_t frame, DefImage& into) const {
  const DefFrameHeader header = FrameHeaderOf(group, frame);
  FrameCanvas canvas(header, &into);
  DecodeOnto(group, frame, header, canvas);
  into.clippedPixels = canvas.clippedPixels();
}

FrameMeasure DefFile::MeasureFrame(size_t group, size_t frame) const {
  const DefFrameHeader header = FrameHeaderOf(group, frame);
  FrameCanvas canvas(header, nullptr);
  DecodeOnto(group, frame, header, canvas);
  return {header, canvas.clippedPixels()};
}

DefImage DefFile::DecodeFrame(size_t group, size_t frame) const {
  DefImage image;
  DecodeFrame(group, frame, image);
  return image;
}

void RefuseWritingOverSource(const DefFile& def, const std::string& target) {
  if (def.source() && IdentityOfPath(target) == def.source()) {
    ThrowInputError("\"" + target + "\" is the DEF being read, \"" + def.name() +
                        "\": nothing is written over it",
                    target);
  }
}

std::string NameText(const DefFrameName& name) {
  const auto end = std::find(name.begin(), name.end(), uint8_t{0});
  return std::string(name.begin(), end);
}

}  // namespace kelvane
