#pragma once

#include <string>

#include "compiler/compile_options.h"
#include "compiler/compile_state.h"

namespace kelvane {

// Reads a frame into the state's working copy and makes its header and colour
// table the ones read last. The user's file is only read.
BmpImage& LoadWorkingCopy(CompileState& state, const std::string& bmpPath);

// Cuts the working copy to the fixed size when "Fixed Size:" is on, and makes
// that size the header's.
void ApplyFixedSizeToWorkingCopy(CompileState& state, const CompileOptions& options);

}  // namespace kelvane
