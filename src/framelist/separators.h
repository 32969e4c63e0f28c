#pragma once

#include "compiler/compile_state.h"
#include "framelist/frame_list.h"

namespace kelvane {

// Recounts the separators into GroupCount and returns the count.
int SeparatorRefresh(const FrameList& list, CompileState& state);

// Appends one separator at the end of the list, whatever is selected, and recounts.
void AddSeparator(FrameList& list, CompileState& state);

}  // namespace kelvane
