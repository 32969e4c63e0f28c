// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "framelist/frame_document.h"

namespace kelvane {

// What a DefList keeps beyond the frames and the window's controls (the
// colour options of FrameColourOptions) goes after a character 26, which
// every reader of DefLists takes for the end of the file: documents that
// carry it still load in readers that know nothing of it, and a document
// without it is written exactly as before. After the character 26 come
// lines "Key: value", each ended by CR LF:
//   Kelvane-Palette: PATH   the reference palette, a path as frames are written
//   Kelvane-Dither: TRUE    true-colour frames are mapped with error diffusion
// Unknown keys are ignored on reading.

// The bytes to append to a document's text: empty when `colours` holds
// nothing new. A path that would cut its line short is refused.
std::string DefListExtrasText(const FrameColourOptions& colours);

// The options stored after the first character 26 of a document's bytes;
// the defaults when there is none.
FrameColourOptions ReadDefListExtras(const std::string& bytes);

}  // namespace kelvane
