// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/block_coding.h"
#include "compiler/compile_state.h"
#include "prepare/placement.h"

namespace kelvane {

// Encodes a prepared frame in the 32-pixel block layout shared by formats 2
// and 3: rows cropped to the content's top and bottom only, each row cut into
// blocks, a table of 16-bit block offsets (counted from the table's start and
// closed by one more entry, the data size) and the coded blocks. Pixels of a
// row's last block beyond the frame's width are transparent. A frame whose
// table and blocks would not fit 16-bit offsets is refused before anything is
// appended to `block`.
void EncodeBlockFrame(EncoderScratch& scratch, const BmpImage& image, int32_t format,
                      LiteralRule rule, const PlacementOffsets& offsets, const std::string& bmpPath,
                      std::vector<uint8_t>& block);

}  // namespace kelvane
