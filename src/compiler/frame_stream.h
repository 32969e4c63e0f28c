// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

#include "base/binary_file.h"
#include "base/ordered_workers.h"
#include "compiler/compile_state.h"
#include "compiler/frame_encoders.h"
#include "compiler/frame_settings.h"

namespace kelvane {

// A frame as a worker leaves it: its data block and the file it was read
// from, or what ended its encoding.
struct EncodedFrame {
  std::vector<uint8_t> block;
  FileIdentity source;
  int32_t width = 0;  // as prepared; 0 when the frame could not be read
  std::exception_ptr failure;
};

// Encodes the frames of a list on `workers` threads, the calling thread one
// of them (in `ownScratch`), and hands their blocks back in list order, a few
// frames ahead of the one taken last: at most about four frames' worth per
// worker are held, the size of a frame taken from `frameBytes` (the first
// frame's pixel bytes). With one worker each frame is encoded when it is taken.
class FrameStream {
 public:
  FrameStream(std::vector<FrameEntryRef> entries, const FrameSettings& settings, int32_t format,
              unsigned workers, uint64_t frameBytes, EncoderScratch& ownScratch);
  ~FrameStream();

  // The next frame's result, waited for; the frame taken before is let go of
  // and its block must not be used any more.
  const EncodedFrame& Next();

 private:
  size_t Encode(size_t item, unsigned worker);

  const std::vector<FrameEntryRef> entries_;
  const FrameSettings& settings_;
  const int32_t format_;
  EncoderScratch& ownScratch_;
  std::vector<EncoderScratch> scratches_;  // one per worker thread but the calling one
  std::vector<EncodedFrame> results_;      // one per place in the window
  size_t next_ = 0;
  // Last: its threads end before what they work on goes away.
  std::unique_ptr<OrderedWorkers> workers_;
};

}  // namespace kelvane
