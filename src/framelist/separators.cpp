// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/separators.h"

namespace kelvane {

int SeparatorRefresh(const FrameList& list) {
  return static_cast<int>(list.SeparatorCount());
}

int AddSeparator(FrameList& list) {
  list.Append(kGroupSeparator);
  return SeparatorRefresh(list);
}

}  // namespace kelvane
