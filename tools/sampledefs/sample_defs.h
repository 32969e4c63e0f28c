// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "framelist/frame_document.h"

namespace sampledefs {

// One generated DEF and the document it was built from.
struct SampleDef {
  std::string path;
  std::string label;  // Type, Formats and options, for test messages
  kelvane::FrameDocument document;
  // Built by the compile driver without X and Y offsets (or in format 0,
  // which has none): what extract and rebuild must reproduce byte for byte.
  bool plainDriverBuild = false;
};

// Draws frames into `folder` and builds DEFs there with the core's driver:
// every Type entry with each combination of shadow, outline, fixed size and
// offsets, every Formats entry among them, several group numberings, frame
// names of every length class, and a frame listed twice. Also one DEF of
// format 2 frames, assembled around that encoder's blocks. `seed` varies the
// frames. Throws std::runtime_error when a build fails.
std::vector<SampleDef> BuildSampleDefs(const std::string& folder, unsigned seed = 1);

}  // namespace sampledefs
