// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/def_layout.h"
#include "compiler/compile_state.h"

namespace kelvane {

// Pixel encodings by position in the Type box.
constexpr std::array<int32_t, 4> kFrameFormatByType = {1, 0, 3, 0};

// The 784-byte DEF header: type, frame size, group count and the RGB palette.
void AppendDefHeader(const CompileState& state, std::vector<uint8_t>& out);

// The 16 bytes that open a group entry: number, frame count and two zeros.
void AppendGroupEntryHead(int32_t groupNumber, int32_t frameCount, std::vector<uint8_t>& out);

}  // namespace kelvane
