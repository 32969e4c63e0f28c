// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/def_layout.h"
#include "defread/def_viewer_model.h"

namespace kelvane {
namespace {

TEST(DefViewerModel, StepsPlaysAndChangesGroupsRoundEachGroup) {
  enum class Do { Next, Previous, Play, Stop, Tick, Group0, Group1, Group2 };
  const struct {
    Do action;
    size_t group, frame;
    bool playing, changed;  // changed: what Tick answers
  } steps[] = {
      {Do::Previous, 0, 2, false, false}, {Do::Next, 0, 0, false, false},
      {Do::Tick, 0, 0, false, false},     {Do::Play, 0, 0, true, false},
      {Do::Tick, 0, 1, true, true},       {Do::Tick, 0, 2, true, true},
      {Do::Tick, 0, 0, true, true},       {Do::Next, 0, 1, false, false},
      {Do::Play, 0, 1, true, false},      {Do::Group0, 0, 0, true, false},
      {Do::Stop, 0, 0, false, false},     {Do::Play, 0, 0, true, false},
      {Do::Group1, 1, 0, false, false},  // one frame does not play
      {Do::Play, 1, 0, false, false},     {Do::Next, 1, 0, false, false},
      {Do::Group2, 2, 0, false, false},   {Do::Next, 2, 0, false, false},
      {Do::Previous, 2, 0, false, false}, {Do::Tick, 2, 0, false, false},
  };
  DefViewerModel model({3, 1, 0});
  for (size_t i = 0; i < std::size(steps); ++i) {
    const auto& step = steps[i];
    bool changed = false;
    switch (step.action) {
      case Do::Next:
        model.NextFrame();
        break;
      case Do::Previous:
        model.PreviousFrame();
        break;
      case Do::Play:
        model.SetPlaying(true);
        break;
      case Do::Stop:
        model.SetPlaying(false);
        break;
      case Do::Tick:
        changed = model.Tick();
        break;
      case Do::Group0:
        model.SelectGroup(0);
        break;
      case Do::Group1:
        model.SelectGroup(1);
        break;
      case Do::Group2:
        model.SelectGroup(2);
        break;
    }
    EXPECT_EQ(model.group(), step.group) << "step " << i;
    EXPECT_EQ(model.frame(), step.frame) << "step " << i;
    EXPECT_EQ(model.playing(), step.playing) << "step " << i;
    EXPECT_EQ(changed, step.changed) << "step " << i;
  }
  EXPECT_FALSE(model.HasFrame());
  model.SelectGroup(3);  // no such group: stays
  EXPECT_EQ(model.group(), 2u);
  EXPECT_FALSE(DefViewerModel().HasFrame());
}

TEST(DefViewerModel, SpeedAndZoomStayWithinTheirLimits) {
  DefViewerModel model({2});
  EXPECT_EQ(model.TickMilliseconds(), 100);
  const struct {
    int asked, speed, milliseconds, zoom;
  } cases[] = {
      {0, 1, 1000, 1}, {-5, 1, 1000, 1}, {4, 4, 250, 4}, {9, 9, 111, 8}, {1000, 60, 16, 8}};
  for (const auto& c : cases) {
    model.SetSpeed(c.asked);
    model.SetZoom(c.asked);
    EXPECT_EQ(model.speed(), c.speed) << c.asked;
    EXPECT_EQ(model.TickMilliseconds(), c.milliseconds) << c.asked;
    EXPECT_EQ(model.zoom(), c.zoom) << c.asked;
  }
  // At zoom 8, a picture of 2^24 pixels at most.
  EXPECT_EQ(model.ShownZoom(64, 64), 8);
  EXPECT_EQ(model.ShownZoom(1024, 1024), 4);
  EXPECT_EQ(model.ShownZoom(1025, 1024), 3);
  EXPECT_EQ(model.ShownZoom(8192, 8192), 1);
  EXPECT_EQ(model.ShownZoom(0, 0), 8);
}

DefFrameName NameOf(const std::string& text, uint8_t filler = 0) {
  DefFrameName name{};
  size_t at = 0;
  if (filler != 0) {
    name[at++] = filler;
  }
  for (const char c : text) {
    name[at++] = uint8_t(c);
  }
  return name;
}

TEST(DefViewerModel, PngNamesComeFromTheFrameNameOrElseItsPlace) {
  const struct {
    DefFrameName name;
    const char* png;
  } cases[] = {
      {NameOf("grass00.pcx"), "grass00.png"}, {NameOf("walking1.pcx", kNameFiller), "walking1.png"},
      {NameOf("a/b:c*.pcx"), "abc.png"},      {NameOf("..x.pcx"), "x.png"},
      {NameOf("noend"), "noend.png"},         {NameOf(""), "monk-7-3.png"},
      {NameOf("/\\.pcx"), "monk-7-3.png"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PngNameFor(c.name, "/defs/monk.def", 7, 2), c.png) << c.png;
  }
  EXPECT_EQ(PngNameFor(NameOf(""), "/defs/.def", 0, 0), "frame-0-1.png");
}

TEST(DefViewerModel, FactsOfAFrameAndCaptionsOfGroups) {
  DefViewerModel model({4});
  model.NextFrame();
  DefFrameRef ref{NameOf("cow.pcx", kNameFiller), 0};
  DefFrameHeader header;
  header.format = 1;
  header.fullWidth = 64;
  header.fullHeight = 48;
  header.width = 20;
  header.height = 10;
  header.leftMargin = 30;
  header.topMargin = -2;
  EXPECT_EQ(FrameFacts(model, ref, header),
            "Frame 2 of 4: \"\\xcdcow.pcx\", format 1\n"
            "Size 20 x 10 in a full frame of 64 x 48, margins 30 left, -2 top");
  DefGroupEntry group;
  group.number = 5;
  group.frames.resize(1);
  EXPECT_EQ(GroupCaption(group), "Group 5: 1 frame");
  group.frames.resize(3);
  EXPECT_EQ(GroupCaption(group), "Group 5: 3 frames");
}

TEST(DefViewerModel, IndexZeroIsTransparentAndTheShadowHalfTransparent) {
  RgbPalette palette{};
  for (size_t i = 0; i < palette.size(); ++i) {
    palette[i] = uint8_t(i);
  }
  const auto colours = ShownColours(palette);
  EXPECT_EQ(colours[0], 0x00000102u);
  EXPECT_EQ(colours[4], 0x800c0d0eu);
  EXPECT_EQ(colours[5], 0xff0f1011u);
  EXPECT_EQ(colours[255], 0xfffdfeffu);
}

}  // namespace
}  // namespace kelvane
