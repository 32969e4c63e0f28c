// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/placement.h"

#include "base/errors.h"

namespace kelvane {

namespace {

void Subtract(const std::optional<int32_t>& offset, int32_t& margin, const char* name,
              const std::string& bmpPath) {
  if (!offset) {
    return;
  }
  const int64_t moved = int64_t{margin} - *offset;
  if (moved < INT32_MIN || moved > INT32_MAX) {
    ThrowInputError(std::string("The ") + name + " offset " + std::to_string(*offset) +
                        " moves a margin of \"" + bmpPath + "\" beyond what a frame header holds",
                    bmpPath);
  }
  margin = static_cast<int32_t>(moved);
}

}  // namespace

void ApplyPlacementOffsets(const PlacementOffsets& offsets, int32_t& leftMargin, int32_t& topMargin,
                           const std::string& bmpPath) {
  Subtract(offsets.x, leftMargin, "X", bmpPath);
  Subtract(offsets.y, topMargin, "Y", bmpPath);
}

}  // namespace kelvane
