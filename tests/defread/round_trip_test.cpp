// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "compiler/frame_settings.h"
#include "compiler/working_copy.h"
#include "defread/def_file.h"
#include "prepare/content_bounds.h"
#include "prepare/creature_shadow.h"
#include "prepare/object_shadow.h"
#include "sampledefs/sample_defs.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

// The frame as its encoder saw it once prepared: shadow, outline and fixed
// size drawn in. Format 1 may store one column of row padding past the width.
struct PreparedFrame {
  BmpImage image;
  int32_t storedRight = 0;  // columns below this are stored

  uint8_t At(int64_t x, int64_t y) const {
    if (x < 0 || y < 0 || x >= storedRight || y >= image.height) {
      return 0;
    }
    return image.RowFromTop(int32_t(y))[x];
  }
};

PreparedFrame Prepare(const std::string& path, const FrameSettings& settings, int32_t format,
                      bool checked) {
  EncoderScratch scratch;
  PreparedFrame prepared;
  if (format == 0 || format == 2) {
    LoadBmpImage(path, scratch.frame);
  } else {
    LoadWorkingCopy(scratch, path, settings.colours);
    if (format == 1) {
      showdowCreture(scratch.frame, settings.shadow, settings.outline && checked);
    } else if (settings.shadow) {
      showdowObjects(scratch.frame);
    }
    ApplyFixedSizeToWorkingCopy(scratch, settings.fixedSize);
  }
  prepared.image = scratch.frame;
  prepared.storedRight = prepared.image.width;
  if (format == 1) {
    const auto box = ClampContentBounds(FindContentBounds(prepared.image, 0), prepared.image);
    prepared.storedRight = std::max(box.right, prepared.image.width);
  }
  return prepared;
}

int32_t FormatOf(const sampledefs::SampleDef& sample) {
  const int type = sample.document.settings.typeIndex;
  return sample.label == "format 2" ? 2 : type == 0 ? 1 : type == 2 ? 3 : 0;
}

// Every pixel of the full frame is the prepared frame's pixel moved by the X
// and Y offsets, and every visible pixel that has no place there is counted.
void ExpectFrame(const PreparedFrame& source, const FrameSettings& settings,
                 const DefImage& decoded) {
  const int64_t dx = settings.offsets.x.value_or(0);
  const int64_t dy = settings.offsets.y.value_or(0);
  for (int32_t y = 0; y < decoded.height; ++y) {
    for (int32_t x = 0; x < decoded.width; ++x) {
      ASSERT_EQ(decoded.At(x, y), source.At(x + dx, y + dy)) << "at " << x << "," << y;
    }
  }
  uint64_t outside = 0;
  for (int64_t y = 0; y < source.image.height; ++y) {
    for (int64_t x = 0; x < source.storedRight; ++x) {
      const bool placed =
          x - dx >= 0 && x - dx < decoded.width && y - dy >= 0 && y - dy < decoded.height;
      outside += !placed && source.At(x, y) != 0;
    }
  }
  EXPECT_EQ(decoded.clippedPixels, outside);
}

TEST(DefReadRoundTrip, EveryFrameOfEveryTypeAndOptionDecodesToItsPreparedPixels) {
  testing_support::TempDir dir;
  size_t frames = 0;
  for (const auto& sample : sampledefs::BuildSampleDefs(dir.path())) {
    SCOPED_TRACE(sample.label);
    const DefFile def = DefFile::Open(sample.path);
    const int32_t format = FormatOf(sample);
    const FrameSettings settings = ResolveFrameSettings(sample.document.settings, format);
    const FrameList& list = sample.document.list;
    size_t group = 0;
    size_t frame = 0;
    for (size_t i = 0; i < list.Count(); ++i) {
      if (list.IsSeparator(i)) {
        ASSERT_EQ(def.groups().at(group).frames.size(), frame);
        ++group;
        frame = 0;
        continue;
      }
      const auto prepared = Prepare(list.Text(i), settings, format, list.Checked(i));
      ASSERT_EQ(def.FrameHeaderOf(group, frame).format, format);
      ASSERT_NO_FATAL_FAILURE(ExpectFrame(prepared, settings, def.DecodeFrame(group, frame)))
          << list.Text(i);
      ++frame;
      ++frames;
    }
    EXPECT_EQ(def.groups().size(), group);
  }
  RecordProperty("frames", int(frames));
  EXPECT_GE(frames, 400u);
}

}  // namespace
}  // namespace kelvane
