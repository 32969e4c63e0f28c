// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/compile_state.h"
#include "compiler/frame_encoders.h"
#include "compiler/frame_settings.h"

namespace kelvane {

// Reads, prepares and encodes one frame entry in the given frame format,
// appending its data block to `block`. It touches nothing but its arguments,
// so frames can be encoded on several threads at once, each with a scratch
// of its own. Ends with an Error as the encoders do.
void EncodeOneFrame(EncoderScratch& scratch, const FrameSettings& settings, int32_t format,
                    const FrameEntryRef& entry, std::vector<uint8_t>& block);

}  // namespace kelvane
