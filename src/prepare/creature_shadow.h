// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/bmp_frame.h"

namespace kelvane {

// showdowCreture: draws a creature's shadow and selection outline.
//
// Draws into a frame's working copy, in place.
//
// The shadow (index 4): every visible pixel casts onto a shadow row in its own
// column. That row follows the scan for the four rows from the figure's lowest
// row, then climbs one row for every third row scanned, so the figure lands
// squashed to a third of its height just above its feet, wherever the frame is
// transparent.
//
// The outline (index 5): the left, right, lower and upper neighbours of every
// body pixel (any index but 0, 4 and 5) that hold an index below 5, so the
// outline is one pixel wide without diagonal corners and may cover the shadow.
//
// Both passes visit rows from the second from the bottom and columns from the
// third from the left; nothing is drawn outside the frame.
void showdowCreture(BmpImage& image, bool drawShadow, bool drawOutline);

}  // namespace kelvane
