#pragma once

#include <cstdint>

#include "compiler/compile_host.h"
#include "compiler/compile_state.h"
#include "framelist/frame_list.h"

namespace kelvane {

// Sum of the 1024 bytes of a colour table, reserved bytes included.
uint32_t PaletteByteSum(const BmpPalette& colourTable);

// Compares every frame's palette sum with the first entry's; a frame more than
// 1024 away is reported in its own message box ("Wrong palette in N Frame",
// N its list position, separators counted). True when any frame failed.
bool SolidColorCheck(const FrameList& list, CompileState& state, CompileHost& host);

}  // namespace kelvane
