// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the example frames under examples/: a terrain set of 32 x 32 tiles.
// Usage: kelvane-make-examples EXAMPLES_FOLDER

#include <cstdio>
#include <string>

#include "bmpgen/bmp_writer.h"

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
  }
  return 0;
}
