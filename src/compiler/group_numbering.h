// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "framelist/group_numbers.h"
#include "framelist/window_settings.h"

namespace kelvane {

// Numbers the groups of a DEF one after another. With the monster type
// "Custom" each group takes its slot of GroupNumbers; otherwise a running
// number starting at GroupNumbers[0] skips the numbers the chosen creature
// layout leaves out.
class GroupNumbering {
 public:
  GroupNumbering(const GroupNumbers& numbers, int monsterIndex);

  // The number of group `ordinal` (0-based); call once per group, in order.
  int32_t Next(int ordinal);

 private:
  const GroupNumbers& numbers_;
  int monster_;
  int32_t running_;
};

}  // namespace kelvane
