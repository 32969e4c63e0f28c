// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/width_warnings.h"

#include <set>

#include "base/bmp_frame.h"
#include "base/errors.h"
#include "base/int_text.h"

namespace kelvane::cli {

namespace {

constexpr int kMapObjectType = 2;
constexpr int32_t kBlockWidth = 32;
const char* const kWhy =
    ", not a multiple of 32: map object rows are decoded in whole 32-pixel blocks";

}  // namespace

void FrameWidthLog::Note(const std::string& bmpPath, int32_t width) {
  if (width % kBlockWidth != 0) {
    frames_.push_back({bmpPath, width});
  }
}

std::optional<std::string> FixedWidthWarning(const WindowSettings& options) {
  if (options.typeIndex != kMapObjectType || !options.fixedSize) {
    return std::nullopt;
  }
  const auto width = TryParseInt(options.fixedWidth);
  if (width && *width % kBlockWidth != 0) {
    return "the fixed width is " + std::to_string(*width) + kWhy;
  }
  return std::nullopt;
}

std::vector<std::string> FrameWidthWarnings(const WindowSettings& options,
                                            const std::vector<FrameWidth>& frames) {
  std::vector<std::string> warnings;
  if (options.typeIndex != kMapObjectType || options.fixedSize) {
    return warnings;
  }
  std::set<std::string> seen;
  for (const FrameWidth& frame : frames) {
    if (frame.width % kBlockWidth != 0 && seen.insert(frame.bmpPath).second) {
      warnings.push_back("\"" + frame.bmpPath + "\" is " + std::to_string(frame.width) +
                         " pixels wide" + kWhy);
    }
  }
  return warnings;
}

std::vector<FrameWidth> ReadFrameWidths(const FrameList& list) {
  std::vector<FrameWidth> frames;
  std::set<std::string> seen;
  for (size_t i = 0; i < list.Count(); ++i) {
    const std::string& entry = list.Text(i);
    if (IsGroupSeparator(entry) || !seen.insert(entry).second) {
      continue;
    }
    try {
      BmpFrameHeader header;
      ReadBmpHeader(entry, header, nullptr);
      frames.push_back({entry, header.biWidth});
    } catch (const Error&) {
    }
  }
  return frames;
}

}  // namespace kelvane::cli
