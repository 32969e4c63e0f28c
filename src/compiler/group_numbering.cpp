// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/group_numbering.h"

namespace kelvane {

GroupNumbering::GroupNumbering(const GroupNumbers& numbers, int monsterIndex)
    : numbers_(numbers), monster_(monsterIndex), running_(numbers[0]) {}

int32_t GroupNumbering::Next(int ordinal) {
  if (monster_ == kMonsterCustom) {
    return numbers_.at(static_cast<size_t>(ordinal));
  }
  if (running_ == 6) {
    running_ = 7;
  }
  if (monster_ >= 2 && monster_ <= 5 && running_ == 17) {
    running_ = 20;
  }
  if (monster_ >= 7 && monster_ <= 10 && running_ == 14) {
    running_ = 20;
  }
  if (monster_ >= 12 && monster_ <= 13 && running_ == 14) {
    running_ = 17;
  }
  return running_++;
}

}  // namespace kelvane
