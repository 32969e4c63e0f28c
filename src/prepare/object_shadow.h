// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/bmp_frame.h"

namespace kelvane {

// showdowObjects: draws a map object's shadow.
//
// Draws a map object's slanted shadow (index 4) into its working copy: every
// visible pixel casts onto a shadow row that starts at the object's lowest
// row and climbs four rows in six, shifted left by the casting row's shear.
// Shadow pixels cast shadows of their own; only transparent pixels receive
// them; targets outside the frame are dropped.
void showdowObjects(BmpImage& image);

}  // namespace kelvane
