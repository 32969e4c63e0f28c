// SPDX-License-Identifier: GPL-3.0-or-later
// Frames encoded on worker threads: the same DEF as on one thread, the host
// called on the compiling thread alone and in list order, and the first bad
// frame of the list the one reported.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "base/ordered_workers.h"
#include "support/compile_fixture.h"

namespace kelvane {
namespace {

using testing_support::CompileTest;
using testing_support::ReadBytes;

// A figure of many indices (the special ones among them) on a transparent
// ground, of a size that changes from frame to frame.
bmpgen::Bmp8 Figure(int seed) {
  bmpgen::Bmp8 frame(40 + 7 * (seed % 9), 30 + 5 * (seed % 7));
  uint32_t state = 2654435761u * uint32_t(seed + 1);
  for (int32_t y = frame.height / 4; y < frame.height - 3; ++y) {
    for (int32_t x = 3 + (y + seed) % 5; x < frame.width - 4; ++x) {
      state = state * 1103515245u + 12345u;
      const uint32_t pick = (state >> 16) % 16;
      frame.At(x, y) = pick < 4 ? uint8_t(pick) : uint8_t(8 + (state >> 8) % 200);
    }
  }
  return frame;
}

// Records which thread the host is called on, and the frames in order.
class ThreadRecordingHost : public testing_support::RecordingHost {
 public:
  void FrameProgress(size_t encoded, size_t, const std::string& nextFrame) override {
    Note();
    started.push_back({encoded, nextFrame});
  }
  void FrameRead(const std::string& bmpPath, int32_t) override {
    Note();
    encoded.push_back(bmpPath);
  }
  bool StopRequested() override {
    Note();
    return false;
  }
  void Note() { otherThread = otherThread || std::this_thread::get_id() != compiling; }

  std::thread::id compiling = std::this_thread::get_id();
  bool otherThread = false;
  std::vector<std::pair<size_t, std::string>> started;
  std::vector<std::string> encoded;
};

class FrameWorkersTest : public CompileTest {
 protected:
  // 37 frames in groups of ten, every third checked.
  void FillList() {
    for (int i = 0; i < 37; ++i) {
      list.Append(frames.Bmp("f" + std::to_string(i) + ".bmp", Figure(i)));
      list.SetChecked(list.Count() - 1, i % 3 == 0);
      if (i % 10 == 9) {
        list.Append(kGroupSeparator);
      }
    }
  }
  std::vector<uint8_t> BytesWith(unsigned workers) {
    state = CompileState{};
    state.workers = workers;
    return CompiledBytes();
  }
};

TEST_F(FrameWorkersTest, SameDefWithAnyNumberOfWorkers) {
  FillList();
  struct Settings {
    int type;
    bool shadow;
    bool outline;
    bool fixed;
  };
  for (const Settings s : {Settings{0, true, true, false}, Settings{0, false, false, true},
                           Settings{2, true, false, false}, Settings{2, false, false, true}}) {
    options.typeIndex = s.type;
    options.formatsIndex = 2;
    options.shadow = s.shadow;
    options.outline = s.outline;
    options.fixedSize = s.fixed;
    options.fixedWidth = "64";
    options.fixedHeight = "40";
    const auto one = BytesWith(1);
    ASSERT_GT(one.size(), 784u);
    for (const unsigned workers : {2u, 3u, 8u}) {
      EXPECT_EQ(BytesWith(workers), one) << "type " << s.type << ", " << workers << " workers";
    }
  }
}

TEST_F(FrameWorkersTest, HostHearsOfFramesOnItsOwnThreadInListOrder) {
  FillList();
  options.typeIndex = 0;
  ThreadRecordingHost recording;
  state.workers = 3;
  ASSERT_EQ(CreateDefFile(state, document, recording).status, CompileOutcome::Status::Written);
  EXPECT_FALSE(recording.otherThread);
  std::vector<std::string> frameTexts;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSeparator(i)) {
      frameTexts.push_back(list.Text(i));
    }
  }
  EXPECT_EQ(recording.encoded, frameTexts);
  ASSERT_EQ(recording.started.size(), frameTexts.size() + 1);
  for (size_t i = 0; i < frameTexts.size(); ++i) {
    EXPECT_EQ(recording.started[i], std::make_pair(i, frameTexts[i]));
  }
}

TEST_F(FrameWorkersTest, TheFirstBadFrameInTheListIsReported) {
  FillList();
  options.typeIndex = 0;
  const std::string missing = frames.File("missing.bmp");
  list.SetText(14, missing);
  list.SetText(30, frames.File("also-missing.bmp"));
  for (const unsigned workers : {1u, 2u, 4u}) {
    state = CompileState{};
    state.workers = workers;
    const auto outcome = Compile();
    EXPECT_EQ(outcome.status, CompileOutcome::Status::Failed);
    EXPECT_EQ(outcome.path, missing) << workers << " workers";
  }
}

// Items come back in order, however long each takes, with no more than the
// window's worth done or under way ahead of the owner.
TEST(OrderedWorkersTest, HandsItemsBackInOrderWithinTheWindow) {
  constexpr size_t kCount = 200;
  constexpr size_t kWindow = 5;
  std::vector<size_t> results(kWindow, SIZE_MAX);
  std::atomic<size_t> taken{0};
  std::atomic<bool> beyondWindow{false};
  OrderedWorkers workers(kCount, 3, kWindow, SIZE_MAX, [&](size_t item, unsigned) {
    beyondWindow = beyondWindow || item >= taken + kWindow;
    std::this_thread::sleep_for(std::chrono::microseconds((item * 7919) % 300));
    results[item % kWindow] = item;
    return size_t{1};
  });
  for (size_t item = 0; item < kCount; ++item) {
    taken = item;  // before the workers hear of it: they never see it ahead
    workers.Take(item);
    ASSERT_EQ(results[item % kWindow], item);
  }
  EXPECT_FALSE(beyondWindow);
}

}  // namespace
}  // namespace kelvane
