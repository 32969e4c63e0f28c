// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "defread/def_file.h"
#include "defread/frame_canvas.h"
#include "defread/read_failure.h"

namespace kelvane {

// A frame's encoded pixels: the DataSize bytes after its header, which the
// container check has found inside the file.
struct FrameData {
  const uint8_t* bytes = nullptr;
  uint64_t size = 0;
  uint64_t fileOffset = 0;  // of bytes[0], for messages
  const DefPlace* place = nullptr;

  [[noreturn]] void Fail(uint64_t at, const std::string& what) const {
    ThrowDamaged(*place, fileOffset + at, what);
  }
};

// Decodes the pixels of a frame whose header has been checked onto `canvas`.
// Each checks that its data covers exactly the stored image and ends exactly
// at DataSize; the work is bounded by DataSize.
void DecodeRawPixels(const DefFrameHeader& header, const FrameData& data, FrameCanvas& canvas);
void DecodeRows(const DefFrameHeader& header, const FrameData& data, FrameCanvas& canvas);
void DecodeBlocks(const DefFrameHeader& header, const FrameData& data, FrameCanvas& canvas);

}  // namespace kelvane
