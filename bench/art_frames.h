// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bmpgen/bmp_writer.h"

namespace bench {

// A frame drawn the way hand-made sprites look to the encoders: a figure of
// overlapping, wobbly shapes covering about half of the frame, shaded over
// ramps of many colours with a dithered texture (so equal pixels come in
// runs of one to a few), anti-aliased at its edge by darker pixels inside and
// a ring of blend pixels outside, on a transparent ground that gives long
// runs of index 0 around it. Frame `index` of an animation moves a little
// from the one before. Frames filled edge to edge (terrain tiles) are
// `opaque`.
bmpgen::Bmp8 DrawArtFrame(int32_t width, int32_t height, int index, bool opaque);

}  // namespace bench
