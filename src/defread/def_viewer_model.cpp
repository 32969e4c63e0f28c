// SPDX-License-Identifier: GPL-3.0-or-later
#include "defread/def_viewer_model.h"

#include <algorithm>
#include <cstring>

#include "base/path_parts.h"
#include "base/system_files.h"
#include "defread/def_texts.h"

namespace kelvane {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kHalfTransparent = 0x80000000u;

bool SafeInFileName(char c) {
  return c > 0x20 && c < 0x7F && std::strchr("/\\:*?\"<>|", c) == nullptr;
}

std::string Stem(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The name's safe characters without its extension and leading dots.
std::string SafeStem(std::string text) {
  text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return !SafeInFileName(c); }),
             text.end());
  text = Stem(text);
  text.erase(0, text.find_first_not_of('.'));
  return text;
}

}  // namespace

DefViewerModel::DefViewerModel(std::vector<size_t> frameCounts)
    : frameCounts_(std::move(frameCounts)) {}

DefViewerModel DefViewerModel::Of(const DefFile& def) {
  std::vector<size_t> counts;
  for (const DefGroupEntry& group : def.groups()) {
    counts.push_back(group.frames.size());
  }
  return DefViewerModel(std::move(counts));
}

size_t DefViewerModel::FrameCount() const {
  return group_ < frameCounts_.size() ? frameCounts_[group_] : 0;
}

void DefViewerModel::SelectGroup(size_t group) {
  if (group < frameCounts_.size()) {
    group_ = group;
    frame_ = 0;
    playing_ = playing_ && CanPlay();
  }
}

void DefViewerModel::NextFrame() {
  playing_ = false;
  if (HasFrame()) {
    frame_ = (frame_ + 1) % FrameCount();
  }
}

void DefViewerModel::PreviousFrame() {
  playing_ = false;
  if (HasFrame()) {
    frame_ = (frame_ + FrameCount() - 1) % FrameCount();
  }
}

void DefViewerModel::SetPlaying(bool playing) {
  playing_ = playing && CanPlay();
}

bool DefViewerModel::Tick() {
  if (!playing_) {
    return false;
  }
  frame_ = (frame_ + 1) % FrameCount();
  return true;
}

void DefViewerModel::SetSpeed(int framesPerSecond) {
  speed_ = std::clamp(framesPerSecond, kSlowestSpeed, kFastestSpeed);
}

void DefViewerModel::SetZoom(int zoom) {
  zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
}

int DefViewerModel::ShownZoom(int32_t width, int32_t height) const {
  const uint64_t pixels = uint64_t(std::max(width, 1)) * uint64_t(std::max(height, 1));
  int zoom = zoom_;
  while (zoom > 1 && pixels * uint64_t(zoom) * uint64_t(zoom) > kLargestShownPixels) {
    --zoom;
  }
  return zoom;
}

std::string GroupCaption(const DefGroupEntry& group) {
  const size_t count = group.frames.size();
  return "Group " + std::to_string(group.number) + ": " + std::to_string(count) +
         (count == 1 ? " frame" : " frames");
}

std::string FrameFacts(const DefViewerModel& model, const DefFrameRef& ref,
                       const DefFrameHeader& header) {
  const auto number = [](int32_t value) { return std::to_string(value); };
  return "Frame " + std::to_string(model.frame() + 1) + " of " +
         std::to_string(model.FrameCount()) + ": \"" + ReadableName(ref.name) + "\", format " +
         number(header.format) + "\nSize " + number(header.width) + " x " + number(header.height) +
         " in a full frame of " + number(header.fullWidth) + " x " + number(header.fullHeight) +
         ", margins " + number(header.leftMargin) + " left, " + number(header.topMargin) + " top";
}

std::string PngNameFor(const DefFrameName& name, const std::string& defPath, int32_t groupNumber,
                       size_t frame) {
  std::string stem = SafeStem(NameText(name));
  if (stem.empty()) {
    stem = SafeStem(SplitPath(defPath).name);
    stem = (stem.empty() ? "frame" : stem) + "-" + std::to_string(groupNumber) + "-" +
           std::to_string(frame + 1);
  }
  return stem + ".png";
}

bool ViewableFile(const std::string& path) {
  const auto facts = FactsOfPath(path);
  return facts && facts->kind == FileKind::Regular;
}

std::array<uint32_t, 256> ShownColours(const RgbPalette& palette) {
  std::array<uint32_t, 256> colours{};
  for (size_t i = 0; i < colours.size(); ++i) {
    const uint32_t rgb = uint32_t(palette[3 * i]) << 16 | uint32_t(palette[3 * i + 1]) << 8 |
                         uint32_t(palette[3 * i + 2]);
    colours[i] = i == kTransparentIndex ? rgb
                 : i == kShadowIndex    ? rgb | kHalfTransparent
                                        : rgb | kOpaque;
  }
  return colours;
}

}  // namespace kelvane
