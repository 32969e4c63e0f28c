// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/frame_naming.h"
#include "framelist/frame_document.h"

namespace kelvane {

// One group of a DEF as the compilation writes it.
struct DefGroup {
  int32_t number = 0;
  std::vector<size_t> entries;   // list indexes of its frames, in order
  std::vector<FrameName> names;  // the name each of them gets in the DEF
};

// The groups of the document's list, one per separator (frames after the last
// separator belong to none): numbered one after another by GroupNumbering and
// with their frames named by MakeFrameName and the name mask.
std::vector<DefGroup> DefGroupsOf(const FrameDocument& document);

}  // namespace kelvane
