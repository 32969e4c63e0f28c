// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/frame_stream.h"

#include <algorithm>

#include "compiler/encode_frame.h"

namespace kelvane {

namespace {

// Frames held ahead are counted in pixel bytes: a window of this many bytes
// per worker, of at least kLeastAheadPerWorker frames each and at most
// kMostAhead frames in all, keeps small frames flowing in batches and large
// ones few at a time; the threads wake up once per half a window.
// Each place in the window keeps its block's memory from frame to frame.
constexpr uint64_t kBytesAheadPerWorker = uint64_t{512} << 10;
constexpr uint64_t kLeastAheadPerWorker = 4;
constexpr size_t kMostAhead = 64;

size_t WindowFor(unsigned workers, uint64_t frameBytes) {
  const uint64_t fit = kBytesAheadPerWorker * workers / std::max<uint64_t>(frameBytes, 1);
  return size_t(std::clamp<uint64_t>(fit, kLeastAheadPerWorker * workers, kMostAhead));
}

}  // namespace

FrameStream::FrameStream(std::vector<FrameEntryRef> entries, const FrameSettings& settings,
                         int32_t format, unsigned workers, uint64_t frameBytes,
                         EncoderScratch& ownScratch)
    : entries_(std::move(entries)), settings_(settings), format_(format), ownScratch_(ownScratch) {
  workers = std::max(1u, workers);
  const size_t window = workers == 1 ? 1 : WindowFor(workers, frameBytes);
  results_.resize(window);
  scratches_.resize(workers - 1);  // the last worker is this thread, in ownScratch
  // Results held beyond the window's bytes wait, but never fewer than one
  // frame per worker.
  const uint64_t heldLimit =
      std::max<uint64_t>(kBytesAheadPerWorker * workers, frameBytes * workers);
  workers_ = std::make_unique<OrderedWorkers>(
      entries_.size(), workers, window, size_t(std::min<uint64_t>(heldLimit, SIZE_MAX)),
      [this](size_t item, unsigned worker) { return Encode(item, worker); });
}

FrameStream::~FrameStream() {
  workers_.reset();
}

size_t FrameStream::Encode(size_t item, unsigned worker) {
  // The window's slots, counted here: the workers may start before workers_ is set.
  EncodedFrame& result = results_[item % results_.size()];
  EncoderScratch& scratch = worker < scratches_.size() ? scratches_[worker] : ownScratch_;
  result.block.clear();
  result.failure = nullptr;
  scratch.frame.width = 0;  // stays 0 when the frame cannot be read
  try {
    EncodeOneFrame(scratch, settings_, format_, entries_[item], result.block);
    result.source = scratch.frame.source;
  } catch (...) {
    result.failure = std::current_exception();
  }
  result.width = scratch.frame.width;
  return result.block.size();
}

const EncodedFrame& FrameStream::Next() {
  workers_->Take(next_);
  const EncodedFrame& result = results_[next_ % results_.size()];
  ++next_;
  return result;
}

}  // namespace kelvane
