// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "defread/def_file.h"

namespace kelvane {

// Every frame of a DEF checked and measured, each data block once however
// many entries point at it, so that the work is bounded by the file's size
// and not by its entries times their frames' areas. A damaged frame ends the
// construction with the error of the first entry that points at it.
class FrameMeasures {
 public:
  explicit FrameMeasures(const DefFile& def);

  const FrameMeasure& Of(size_t group, size_t frame) const;

 private:
  const DefFile& def_;
  std::unordered_map<uint32_t, FrameMeasure> byOffset_;  // by the block's offset
};

// The frame decoded last, decoded again only when another block is asked for:
// stepping or playing through entries that share one block decodes it once.
class LastDecodedFrame {
 public:
  const DefImage& Decode(const DefFile& def, size_t group, size_t frame);
  void Forget() { decoded_.reset(); }

 private:
  struct Source {
    const DefFile* def;
    uint32_t offset;
    bool operator==(const Source& other) const {
      return def == other.def && offset == other.offset;
    }
  };
  std::optional<Source> decoded_;
  DefImage image_;
};

}  // namespace kelvane
