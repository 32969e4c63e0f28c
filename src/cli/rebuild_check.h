// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "defread/def_file.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

struct RebuildCheck {
  bool identical = false;
  std::string difference;  // where and how the rebuilt DEF differs, or why none was built
};

// Builds `document`, whose frame paths are relative to `folder`, into a
// temporary folder of its own with the core's driver, compares the result
// with `def` byte for byte and removes it again.
RebuildCheck CheckRebuild(const FrameDocument& document, const std::string& folder,
                          const DefFile& def);

}  // namespace kelvane::cli
