// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "compiler/compile_driver.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::TempDir;
using testing_support::Tile32;

// Records the frame count reports and asks to stop once `stopAfter` frames
// have been reported as started.
class StoppingHost : public testing_support::RecordingHost {
 public:
  void FrameProgress(size_t encoded, size_t total, const std::string& nextFrame) override {
    frames.emplace_back(encoded, total, nextFrame);
  }
  bool StopRequested() override { return frames.size() >= stopAfter; }

  size_t stopAfter = SIZE_MAX;
  std::vector<std::tuple<size_t, size_t, std::string>> frames;
};

struct StopCase {
  size_t stopAfter;
  CompileOutcome::Status status;
  size_t reports;
};

TEST(CompileStopTest, CountsFramesAndStopsWithoutTouchingTheOutput) {
  for (const StopCase& c : {StopCase{SIZE_MAX, CompileOutcome::Status::Written, 4},
                            StopCase{0, CompileOutcome::Status::Interrupted, 0},
                            StopCase{2, CompileOutcome::Status::Interrupted, 2},
                            StopCase{4, CompileOutcome::Status::Interrupted, 4}}) {
    TempDir dir;
    FrameDocument document;
    document.settings.typeIndex = 3;
    document.settings.formatsIndex = 4;
    document.settings.outputName = dir.File("out.def");
    testing_support::WriteBytes(document.settings.outputName, {1, 2, 3});
    const std::string a = dir.Bmp("a.bmp", Tile32(0));
    const std::string b = dir.Bmp("b.bmp", Tile32(1));
    for (const std::string& entry : {a, kGroupSeparator, b, a}) {
      document.list.Append(entry);
    }
    StoppingHost host;
    host.stopAfter = c.stopAfter;
    CompileState state;
    EXPECT_EQ(CreateDefFile(state, document, host).status, c.status) << c.stopAfter;
    ASSERT_EQ(host.frames.size(), c.reports);
    const std::vector<std::tuple<size_t, size_t, std::string>> expected = {
        {0, 3, a}, {1, 3, b}, {2, 3, a}, {3, 3, ""}};
    EXPECT_TRUE(std::equal(host.frames.begin(), host.frames.end(), expected.begin()));
    const auto names = dir.Names();
    EXPECT_EQ(names.size(), 3u);  // no temporary file left beside the output
    if (c.status != CompileOutcome::Status::Written) {
      EXPECT_EQ(testing_support::ReadBytes(document.settings.outputName),
                (std::vector<uint8_t>{1, 2, 3}));
    }
  }
}

}  // namespace
}  // namespace kelvane
