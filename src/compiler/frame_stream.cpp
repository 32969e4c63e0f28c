// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/frame_stream.h"

#include <algorithm>

#include "compiler/encode_frame.h"

namespace kelvane {

namespace {

// Frames held ahead are counted in pixel bytes: a window of this many bytes
// per worker, of at least two frames each and at most kMostAhead frames in
// all, keeps small frames flowing in batches and large ones few at a time.
// Each place in the window keeps its block's memory from frame to frame.
constexpr uint64_t kBytesAheadPerWorker = uint64_t{256} << 10;
constexpr size_t kMostAhead = 64;

size_t WindowFor(unsigned workers, uint64_t frameBytes) {
  const uint64_t fit = kBytesAheadPerWorker * workers / std::max<uint64_t>(frameBytes, 1);
  return size_t(std::clamp<uint64_t>(fit, 2 * uint64_t{workers}, kMostAhead));
}

}  // namespace

FrameStream::FrameStream(std::vector<FrameEntryRef> entries, const FrameSettings& settings,
                         int32_t format, unsigned workers, uint64_t frameBytes,
                         EncoderScratch& ownScratch)
    : entries_(std::move(entries)), settings_(settings), format_(format), ownScratch_(ownScratch) {
  workers = std::max(1u, workers);
  const size_t window = workers == 1 ? 1 : WindowFor(workers, frameBytes);
  results_.resize(window);
  if (workers > 1) {
    scratches_.resize(workers);
  }
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
  EncoderScratch& scratch = scratches_.empty() ? ownScratch_ : scratches_[worker];
  result.block.clear();
  result.failure = nullptr;
  try {
    EncodeOneFrame(scratch, settings_, format_, entries_[item], result.block);
    result.source = scratch.frame.source;
    result.width = scratch.frame.width;
  } catch (...) {
    result.failure = std::current_exception();
  }
  return result.block.size();
}

const EncodedFrame& FrameStream::Next() {
  workers_->Take(next_);
  const EncodedFrame& result = results_[next_ % results_.size()];
  ++next_;
  if (result.failure) {
    std::rethrow_exception(result.failure);
  }
  return result;
}

}  // namespace kelvane
