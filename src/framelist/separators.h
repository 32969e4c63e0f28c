// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framelist/frame_list.h"

namespace kelvane {

// SeparatorRefresh: counts the group separators in the list, the group count
// that the window shows and the compile writes into the DEF header.
int SeparatorRefresh(const FrameList& list);

// AddSeparator: appends one separator at the end of the list, whatever is
// selected, and returns the new count.
int AddSeparator(FrameList& list);

}  // namespace kelvane
