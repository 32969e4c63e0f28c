#pragma once

#include "compiler/compile_options.h"
#include "compiler/def_format.h"

namespace kelvane {

// Subtracts the "X:" and "Y:" offsets, when their boxes are checked, from the
// margins of a finished frame header. Nothing is clamped afterwards, so a
// margin may become negative. A text that is not an integer ends the command.
void ApplyPlacementOffsets(const CompileOptions& options, FrameHeader& header);

}  // namespace kelvane
