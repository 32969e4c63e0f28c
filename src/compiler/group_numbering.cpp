// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/group_numbering.h"

namespace kelvane {

GroupNumbering::GroupNumbering(const GroupNumbers& numbers, int monsterIndex)
    : numbers_(numbers), monster_(monsterIndex), running_(numbers[0]) {}

int32_t GroupNumbering::Next(int ordinal) {
  if (monster_ == kMonsterCustom) {
    return numbers_.at(static_cast<size_t>(ordinal));
  }
  // The groups follow the creature wizard's steps; each layout leaves out
  // the steps its creatures lack. Group 6, the second way of being
  // destroyed, is left out by every layout.
  if (running_ == 6) {
    running_ = 7;
  }
  // 2 to 5, shooters: no magic or two-hex attack (17 to 19).
  if (monster_ >= 2 && monster_ <= 5 && running_ == 17) {
    running_ = 20;
  }
  // 7 to 10, fighters hand to hand: neither shooting (14 to 16) nor magic.
  if (monster_ >= 7 && monster_ <= 10 && running_ == 14) {
    running_ = 20;
  }
  // 12 and 13, two-hex attackers: no shooting, but their attack at 17 to 19.
  if (monster_ >= 12 && monster_ <= 13 && running_ == 14) {
    running_ = 17;
  }
  return running_++;
}

}  // namespace kelvane
