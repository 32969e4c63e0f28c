// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the frames of an animation for timing the builder, one BMP per frame,
// into a folder the caller names: by default a walking figure of many colours
// on a transparent ground; "art" draws frames shaded, textured and
// anti-aliased as hand-made sprites are, "tile" the same filled edge to edge.

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "art_frames.h"
#include "bmpgen/bmp_writer.h"

namespace {

struct Request {
  std::string folder;
  int count = 60;
  int32_t width = 450;
  int32_t height = 400;
  enum class Style { Walker, Speckled, Art, Tile } style = Style::Walker;
};

bool ParsePositive(const char* text, long limit, long& into) {
  char* end = nullptr;
  into = std::strtol(text, &end, 10);
  return *text != '\0' && *end == '\0' && into > 0 && into <= limit;
}

bool Parse(int argc, char** argv, Request& request) {
  if (argc == 6) {
    const std::string style = argv[5];
    if (style == "speckled") {
      request.style = Request::Style::Speckled;
    } else if (style == "art") {
      request.style = Request::Style::Art;
    } else if (style == "tile") {
      request.style = Request::Style::Tile;
    } else {
      return false;
    }
    --argc;
  }
  if (argc < 2 || argc > 5) {
    return false;
  }
  request.folder = argv[1];
  long values[3] = {request.count, request.width, request.height};
  const long limits[3] = {99999, 10000, 10000};
  for (int i = 2; i < argc; ++i) {
    if (!ParsePositive(argv[i], limits[i - 2], values[i - 2])) {
      return false;
    }
  }
  request.count = int(values[0]);
  request.width = int32_t(values[1]);
  request.height = int32_t(values[2]);
  return true;
}

void FillEllipse(bmpgen::Bmp8& frame, int32_t cx, int32_t cy, int32_t rx, int32_t ry,
                 uint8_t base) {
  for (int32_t y = cy - ry; y <= cy + ry; ++y) {
    for (int32_t x = cx - rx; x <= cx + rx; ++x) {
      const double dx = double(x - cx) / rx;
      const double dy = double(y - cy) / ry;
      if (x >= 0 && y >= 0 && x < frame.width && y < frame.height && dx * dx + dy * dy <= 1.0) {
        // Shading bands of literal colours, with a few of the engine's special ones.
        const int32_t band = (x / 3 + y / 5) % 40;
        frame.At(x, y) = band == 0 ? uint8_t(1 + (y % 3)) : uint8_t(base + band);
      }
    }
  }
}

bmpgen::Bmp8 DrawFrame(const Request& request, int index) {
  bmpgen::Bmp8 frame(request.width, request.height);
  frame.SetGreyPalette();
  const int32_t w = request.width;
  const int32_t h = request.height;
  const int32_t stride = (index % 10) - 5;             // legs swing over ten frames
  FillEllipse(frame, w / 2, h / 2, w / 6, h / 8, 60);  // body
  FillEllipse(frame, w / 2 + w / 6, h / 2 - h / 8, w / 14, h / 14, 120);           // head
  FillEllipse(frame, w / 2 - w / 12 + stride * 3, h * 3 / 4, w / 40, h / 6, 180);  // legs
  FillEllipse(frame, w / 2 + w / 12 - stride * 3, h * 3 / 4, w / 40, h / 6, 180);
  if (request.style == Request::Style::Speckled) {
    // Runs of 0 to 7 and 200 of a few pixels, from a fixed pseudo-random sequence.
    uint32_t seed = 2463534242u + uint32_t(index);
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        seed ^= seed << 13, seed ^= seed >> 17, seed ^= seed << 5;
        if (seed % 5 == 0) {
          const uint8_t colour = uint8_t(seed >> 8) % 9;
          frame.At(x, y) = colour == 8 ? 200 : colour;
        }
      }
    }
  }
  return frame;
}

void PrintUsage(std::ostream& out) {
  out << "Usage: kelvane-bench-frames FOLDER [COUNT [WIDTH [HEIGHT [STYLE]]]]\n"
         "Writes COUNT frames (default 60 of 450 x 400) named frame001.bmp ...\n"
         "(at least three digits) into FOLDER, which must exist. STYLE:\n"
         "  speckled  specks of the colours 0 to 7 all over, for comparing builds\n"
         "  art       shaded, textured, anti-aliased figures, as real sprites are\n"
         "  tile      the same filled edge to edge, as terrain is\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    PrintUsage(std::cout);
    return 0;
  }
  Request request;
  if (!Parse(argc, argv, request) || request.folder.rfind("-", 0) == 0) {
    PrintUsage(std::cerr);
    return 2;
  }
  try {
    for (int i = 1; i <= request.count; ++i) {
      std::string name = std::to_string(i);
      name.insert(0, name.size() < 3 ? 3 - name.size() : 0, '0');
      const bool art = request.style == Request::Style::Art;
      const bmpgen::Bmp8 frame = art || request.style == Request::Style::Tile
                                     ? bench::DrawArtFrame(request.width, request.height, i, !art)
                                     : DrawFrame(request, i);
      bmpgen::WriteBmp8(request.folder + "/frame" + name + ".bmp", frame);
    }
  } catch (const std::exception& error) {
    std::cerr << "kelvane-bench-frames: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
