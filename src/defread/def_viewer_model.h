// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "defread/def_file.h"

namespace kelvane {

// What the DEF viewer shows and how its controls move it: the group and frame
// shown, whether the group plays as an animation, at what speed, and at what
// zoom. Plain values, so the window only reads them and shows the frame.
class DefViewerModel {
 public:
  static constexpr int kSlowestSpeed = 1;  // frames per second
  static constexpr int kFastestSpeed = 60;
  static constexpr int kStartSpeed = 10;
  static constexpr int kSmallestZoom = 1;
  static constexpr int kLargestZoom = 8;
  static constexpr int kStartZoom = 2;
  // A zoom that would make the shown picture larger than this many pixels is
  // lowered, so that a large frame never asks for a huge picture.
  static constexpr uint64_t kLargestShownPixels = uint64_t{1} << 24;

  DefViewerModel() = default;
  // The number of frames of each group, in the file's order.
  explicit DefViewerModel(std::vector<size_t> frameCounts);
  static DefViewerModel Of(const DefFile& def);

  size_t groupCount() const { return frameCounts_.size(); }
  size_t group() const { return group_; }
  size_t frame() const { return frame_; }
  size_t FrameCount() const;  // of the group shown
  // False for a file without groups or a group without frames.
  bool HasFrame() const { return FrameCount() > 0; }

  // Shows the first frame of another group; an animation keeps playing.
  void SelectGroup(size_t group);
  // Steps by hand, round the group; they stop an animation, so that the
  // frame stepped to stays shown.
  void NextFrame();
  void PreviousFrame();

  bool playing() const { return playing_; }
  // Playing needs two frames at least: one frame alone does not move.
  void SetPlaying(bool playing);
  bool CanPlay() const { return FrameCount() > 1; }
  // One beat of the animation's timer: the next frame, round the group, while
  // it plays. True when the frame shown changed.
  bool Tick();

  int speed() const { return speed_; }
  void SetSpeed(int framesPerSecond);  // kept within the slowest and fastest
  int TickMilliseconds() const { return 1000 / speed_; }

  int zoom() const { return zoom_; }
  void SetZoom(int zoom);  // kept within the smallest and largest
  // The zoom a frame of this size is shown at: the chosen one, lowered where
  // the picture would be too large; never below 1.
  int ShownZoom(int32_t width, int32_t height) const;

 private:
  std::vector<size_t> frameCounts_;
  size_t group_ = 0;
  size_t frame_ = 0;
  bool playing_ = false;
  int speed_ = kStartSpeed;
  int zoom_ = kStartZoom;
};

// The groups as the viewer lists them: "Group 0: 4 frames".
std::string GroupCaption(const DefGroupEntry& group);

// What the viewer says of the frame shown: its place, its name, its sizes and
// its margins.
std::string FrameFacts(const DefViewerModel& model, const DefFrameRef& ref,
                       const DefFrameHeader& header);

// The file name offered for a frame saved as PNG: the frame's name without its
// extension, kept to characters that are safe in a file name, and ".png"; for
// a name with nothing safe in it, the DEF's name, the group's number and the
// frame's place counted from 1 ("monk-2-5.png").
std::string PngNameFor(const DefFrameName& name, const std::string& defPath, int32_t groupNumber,
                       size_t frame);

// A DEF can be viewed from a name, such as the main window's output name,
// while it names an existing file (a relative name from the current folder).
bool ViewableFile(const std::string& path);

// The colours the viewer shows and saves, as 0xAARRGGBB per palette index:
// index 0 transparent, the shadow index half-transparent, every other index
// its palette colour.
std::array<uint32_t, 256> ShownColours(const RgbPalette& palette);

}  // namespace kelvane
