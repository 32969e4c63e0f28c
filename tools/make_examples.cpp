// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the example frames under examples/: a terrain set of 32 x 32 tiles
// as 8-bit BMPs, and an orb bobbing over its shadow as RGBA PNGs, the way
// drawing programs export frames today.
// Usage: kelvane-make-examples EXAMPLES_FOLDER

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "bmpgen/bmp_writer.h"
#include "bmpgen/png_writer.h"

namespace {

bmpgen::Bmp8 Tile(int variant) {
  bmpgen::Bmp8 tile(32, 32);
  for (int i = 0; i < 256; ++i) {
    tile.SetColour(uint8_t(i), uint8_t(40 + i / 4), uint8_t(90 + i / 3), uint8_t(30 + i / 5));
  }
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      // Grass with a diagonal ripple that moves from tile to tile.
      tile.At(x, y) = uint8_t(8 + ((x + 2 * y + 5 * variant) % 24) * 8 + (x * y) % 5);
    }
  }
  return tile;
}

// A shaded orb with a soft edge over a shadow painted in the shadow's key
// colour (255, 0, 255), which a build keeps as the DEF's shadow index.
bmpgen::Png Orb(int frame) {
  constexpr int kSide = 64;
  std::vector<uint8_t> rgba;
  const double lift = 6 * std::sin(frame * 3.14159265 / 2);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = x - 32.0;
      const double dy = y - 28.0 + lift;
      const double r = std::sqrt(dx * dx + dy * dy);
      const double cover = std::clamp((20.0 - r) / 1.5, 0.0, 1.0);
      const double light = std::clamp(1.1 - (dx + dy + 10) / 40.0, 0.25, 1.0);
      const double sx = (x - 32.0) / (15.0 - lift / 2);
      const double sy = (y - 54.0) / 4.0;
      if (cover > 0) {
        rgba.insert(rgba.end(), {uint8_t(70 * light), uint8_t(150 * light), uint8_t(235 * light),
                                 uint8_t(255 * cover)});
      } else if (sx * sx + sy * sy < 1) {
        rgba.insert(rgba.end(), {255, 0, 255, 255});
      } else {
        rgba.insert(rgba.end(), {0, 0, 0, 0});
      }
    }
  }
  return bmpgen::RgbaPng(kSide, kSide, rgba);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s EXAMPLES_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const char* names[] = {"grass00.bmp", "grass01.bmp", "grass02.bmp", "grass03.bmp"};
  for (int i = 0; i < 4; ++i) {
    bmpgen::WriteBmp8(folder + "/terrain/" + names[i], Tile(i));
    bmpgen::WritePng(folder + "/orb/orb0" + std::to_string(i) + ".png", Orb(i));
  }
  return 0;
}
