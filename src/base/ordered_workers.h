// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvane {

// The number of threads that can run at once on this machine; at least 1.
unsigned AvailableCores();

// Runs a job for each of the items 0, 1, ..., count - 1 on several threads and
// hands the items back in order. The owner calls Take(0), Take(1), ...: each
// waits until its item's job has run and lets go of the item before it (and
// Take(count) of the last). A job keeps its result where the owner finds it by
// the item's number modulo the window: at most `window` items are done or
// being done from the one the owner holds on, and while the results not yet
// let go of hold `heldLimit` bytes or more (as the jobs count them) no job
// starts but the owner's next. So memory stays bounded whatever the items
// weigh, and the owner is never kept waiting by it.
//
// Of the `workers`, the owner is one: while its item is not done it runs the
// jobs of items no one has started, as worker workers - 1; the others are
// threads of their own. With one worker nothing runs on another thread.
// Jobs must not throw; the owner alone calls Take.
class OrderedWorkers {
 public:
  // job(item, worker) runs the item's job on worker `worker` (0 .. workers -
  // 1, the owner being the last) and returns the bytes its result holds.
  using Job = std::function<size_t(size_t item, unsigned worker)>;

  OrderedWorkers(size_t count, unsigned workers, size_t window, size_t heldLimit, Job job);
  // Lets running jobs end, starts no other and waits for the threads.
  ~OrderedWorkers();
  OrderedWorkers(const OrderedWorkers&) = delete;
  OrderedWorkers& operator=(const OrderedWorkers&) = delete;

  // Lets go of item - 1 (when item > 0) and waits until item's job has run.
  void Take(size_t item);

 private:
  size_t SlotOf(size_t item) const { return item % window_; }
  void Work(unsigned worker);
  // Runs the jobs of `taken` items from `first`, claimed already, then marks them done.
  void Run(std::unique_lock<std::mutex>& lock, size_t first, size_t taken, unsigned worker);
  bool CanStart(size_t item) const;
  bool OwnerShouldWake() const;
  void LetGo();
  size_t KnownDoneFrom(size_t item) const;

  const size_t count_;
  const size_t window_;
  const size_t heldLimit_;
  // The owner is woken once this many items are done since it began to wait
  // (or when no job runs): a wake-up per handful of items, not per item.
  const size_t wakeAfter_;
  // Items a worker takes on at once: small items are many, and each turn at
  // the lock costs as much as one of them.
  size_t chunk_ = 1;
  Job job_;

  std::mutex mutex_;
  std::condition_variable workersWake_;
  std::condition_variable ownerWakes_;
  size_t next_ = 0;   // the first item no job has started on
  size_t taken_ = 0;  // the first item the owner has not let go of
  size_t running_ = 0;
  size_t workersWaiting_ = 0;
  size_t held_ = 0;  // bytes held by done items not let go of
  std::vector<char> done_;
  std::vector<size_t> bytes_;
  bool ownerWaiting_ = false;
  size_t doneWhileOwnerWaits_ = 0;
  bool stop_ = false;
  // The owner's own, read without the lock: items it has let go of but not
  // yet said so (it says so once per handful), and the first item it does not
  // know to be done.
  size_t letGoLater_ = 0;
  size_t knownDone_ = 0;
  unsigned ownerWorker_ = 0;  // the owner's number among the workers
  std::vector<std::thread> threads_;
};

}  // namespace kelvane
