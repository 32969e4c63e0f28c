// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/width_warnings.h"

#include <set>

#include "base/errors.h"
#include "base/frame_file.h"
#include "base/int_text.h"

namespace kelvane::cli {

namespace {

constexpr int kMapObjectType = 2;
constexpr int32_t kBlockWidth = 32;
const char* const kWhy =
    ", not a multiple of 32: map object rows are decoded in whole 32-pixel blocks";

}  // namespace

std::vector<std::string> MapObjectWidthWarnings(const WindowSettings& options,
                                                const FrameList& list) {
  std::vector<std::string> warnings;
  if (options.typeIndex != kMapObjectType) {
    return warnings;
  }
  if (options.fixedSize) {
    const auto width = TryParseInt(options.fixedWidth);
    if (width && *width % kBlockWidth != 0) {
      warnings.push_back("the fixed width is " + std::to_string(*width) + kWhy);
    }
    return warnings;
  }
  std::set<std::string> seen;
  for (size_t i = 0; i < list.Count(); ++i) {
    const std::string& entry = list.Text(i);
    if (IsGroupSeparator(entry) || !seen.insert(entry).second) {
      continue;
    }
    try {
      const int32_t width = ReadFrameInfo(entry).width;
      if (width % kBlockWidth != 0) {
        warnings.push_back("\"" + entry + "\" is " + std::to_string(width) + " pixels wide" + kWhy);
      }
    } catch (const Error&) {
    }
  }
  return warnings;
}

}  // namespace kelvane::cli
