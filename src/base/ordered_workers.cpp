// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ordered_workers.h"

#include <algorithm>

namespace kelvane {

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
  if (workers <= 1 || count_ <= 1) {
    return;  // Take runs each job
  }
  workers = unsigned(std::min<size_t>(workers, count_));
  threads_.reserve(workers);
  for (unsigned worker = 0; worker < workers; ++worker) {
    threads_.emplace_back([this, worker] { Work(worker); });
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

bool OrderedWorkers::CanStart() const {
  return next_ < count_ && next_ < taken_ + window_ && (held_ < heldLimit_ || next_ == taken_);
}

bool OrderedWorkers::OwnerShouldWake() const {
  return done_[SlotOf(taken_)] && (running_ == 0 || doneWhileOwnerWaits_ >= wakeAfter_);
}

void OrderedWorkers::Work(unsigned worker) {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    while (!stop_ && next_ < count_ && !CanStart()) {
      ++workersWaiting_;
      workersWake_.wait(lock);
      --workersWaiting_;
    }
    if (stop_ || next_ >= count_) {
      return;
    }
    const size_t item = next_++;
    ++running_;
    lock.unlock();
    const size_t bytes = job_(item, worker);
    lock.lock();
    --running_;
    done_[SlotOf(item)] = 1;
    bytes_[SlotOf(item)] = bytes;
    held_ += bytes;
    ++doneWhileOwnerWaits_;
    if (ownerWaiting_ && OwnerShouldWake()) {
      ownerWakes_.notify_one();
    }
  }
}

void OrderedWorkers::LetGo(size_t item) {
  const size_t slot = SlotOf(item);
  done_[slot] = 0;
  held_ -= bytes_[slot];
  bytes_[slot] = 0;
  ++taken_;
  // Workers wait for a window with room for a handful of items, or for the
  // item the owner needs next.
  const bool room =
      next_ + wakeAfter_ <= taken_ + window_ || next_ == taken_ || count_ - next_ < wakeAfter_;
  if (workersWaiting_ > 0 && room && CanStart()) {
    workersWake_.notify_all();
  }
}

void OrderedWorkers::Take(size_t item) {
  if (threads_.empty()) {
    if (item > 0) {
      ++taken_;
    }
    if (item < count_) {
      job_(item, 0);
    }
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  if (item > 0) {
    LetGo(item - 1);
  }
  if (item >= count_ || done_[SlotOf(item)]) {
    return;
  }
  ownerWaiting_ = true;
  doneWhileOwnerWaits_ = 0;
  ownerWakes_.wait(lock, [this] { return OwnerShouldWake(); });
  ownerWaiting_ = false;
}

}  // namespace kelvane
