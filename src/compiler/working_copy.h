// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "compiler/compile_state.h"
#include "compiler/frame_settings.h"

namespace kelvane {

// Reads a frame into the scratch's working copy as the 8-bit picture the
// encoders take (a true-colour frame mapped onto the DEF's palette); the
// user's file is only read.
BmpImage& LoadWorkingCopy(EncoderScratch& scratch, const std::string& bmpPath,
                          const ColourMapping& colours);

// Cuts the working copy to the fixed size, when one is given.
void ApplyFixedSizeToWorkingCopy(EncoderScratch& scratch, const std::optional<FrameSize>& size);

}  // namespace kelvane
