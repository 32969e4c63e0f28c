// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ordered_workers.h"

#include <algorithm>
#include <system_error>

namespace kelvane {

namespace {
constexpr size_t kLargestChunk = 16;
}

unsigned AvailableCores() {
  return std::max(1u, std::thread::hardware_concurrency());
}

OrderedWorkers::OrderedWorkers(size_t count, unsigned workers, size_t window, size_t heldLimit,
                               Job job)
    : count_(count),
      window_(std::max<size_t>(window, 1)),
      heldLimit_(heldLimit),
      wakeAfter_(std::max<size_t>(window_ / 2, 1)),
      job_(std::move(job)),
      done_(window_, 0),
      bytes_(window_, 0) {
  workers = unsigned(std::clamp<size_t>(workers, 1, std::max<size_t>(count_, 1)));
  ownerWorker_ = workers - 1;
  chunk_ = std::clamp<size_t>(window_ / (4 * size_t{workers}), 1, kLargestChunk);
  threads_.reserve(workers - 1);
  try {
    for (unsigned worker = 0; worker + 1 < workers; ++worker) {
      threads_.emplace_back([this, worker] { Work(worker); });
    }
  } catch (const std::system_error&) {
    // The system would start no more threads: the ones started and the
    // owner do the work.
  }
}

OrderedWorkers::~OrderedWorkers() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  workersWake_.notify_all();
  for (std::thread& thread : threads_) {
    thread.join();
  }
}

bool OrderedWorkers::CanStart(size_t item) const {
  return item < count_ && item < taken_ + window_ && (held_ < heldLimit_ || item == taken_);
}

bool OrderedWorkers::OwnerShouldWake() const {
  return done_[SlotOf(taken_)] && (running_ == 0 || doneWhileOwnerWaits_ >= wakeAfter_);
}

void OrderedWorkers::Run(std::unique_lock<std::mutex>& lock, size_t first, size_t taken,
                         unsigned worker) {
  size_t bytes[kLargestChunk];
  next_ += taken;
  running_ += taken;
  lock.unlock();
  for (size_t i = 0; i < taken; ++i) {
    bytes[i] = job_(first + i, worker);
  }
  lock.lock();
  running_ -= taken;
  for (size_t i = 0; i < taken; ++i) {
    done_[SlotOf(first + i)] = 1;
    bytes_[SlotOf(first + i)] = bytes[i];
    held_ += bytes[i];
  }
  doneWhileOwnerWaits_ += taken;
}

void OrderedWorkers::Work(unsigned worker) {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    while (!stop_ && next_ < count_ && !CanStart(next_)) {
      ++workersWaiting_;
      workersWake_.wait(lock);
      --workersWaiting_;
    }
    if (stop_ || next_ >= count_) {
      return;
    }
    size_t taken = 1;
    while (taken < chunk_ && CanStart(next_ + taken)) {
      ++taken;
    }
    Run(lock, next_, taken, worker);
    if (ownerWaiting_ && OwnerShouldWake()) {
      ownerWakes_.notify_one();
    }
  }
}

void OrderedWorkers::LetGo() {
  for (; letGoLater_ > 0; --letGoLater_) {
    const size_t slot = SlotOf(taken_);
    done_[slot] = 0;
    held_ -= bytes_[slot];
    bytes_[slot] = 0;
    ++taken_;
  }
  // Workers wait for a window with room for a handful of items, or for the
  // item the owner needs next.
  const bool room =
      next_ + wakeAfter_ <= taken_ + window_ || next_ == taken_ || count_ - next_ < wakeAfter_;
  if (workersWaiting_ > 0 && room && CanStart(next_)) {
    workersWake_.notify_all();
  }
}

size_t OrderedWorkers::KnownDoneFrom(size_t item) const {
  while (item < count_ && item < taken_ + window_ && done_[SlotOf(item)]) {
    ++item;
  }
  return item;
}

void OrderedWorkers::Take(size_t item) {
  if (item > 0) {
    ++letGoLater_;
  }
  // Items known to be done are taken without the lock, until a handful of
  // them wait to be let go of.
  if (item < knownDone_ && letGoLater_ < wakeAfter_) {
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  LetGo();
  while (item < count_ && (knownDone_ = KnownDoneFrom(item)) == item) {
    if (CanStart(next_)) {
      Run(lock, next_, 1, ownerWorker_);  // the owner works while it waits
      continue;
    }
    ownerWaiting_ = true;
    doneWhileOwnerWaits_ = 0;
    ownerWakes_.wait(lock, [this] { return OwnerShouldWake(); });
    ownerWaiting_ = false;
  }
}

}  // namespace kelvane
