// SPDX-License-Identifier: GPL-3.0-or-later
// How well true-colour frames survive the mapping onto a DEF's palette, and
// what it costs: for generated RGBA frames of four kinds (gradients, noise,
// flat art, anti-aliased edges), written as PNGs and read back, the mean and
// worst colour error of the mapped pixels against the source (Euclidean
// distance in RGB, 0 to 441) and the time, with one palette quantised from all
// frames (as a build without a reference does) and with a fixed reference
// palette (a colour cube), each without and with dithering. Times are CPU and
// wall-clock, also as a ratio to a floor measured in the same run: reading
// the same PNG frames; the peak memory is the process's.
//   kelvane-bench-colours [--frames N] [--size WxH] [--sheet OUT.png]
// --sheet also writes a before/after contact sheet: one frame of each kind
// but noise as drawn (top) and as built on the shared palette (below).

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/frame_file.h"
#include "bmpgen/png_writer.h"
#include "prepare/colour_mapping.h"
#include "prepare/def_palette.h"

namespace {

using namespace kelvane;

struct Options {
  int framesPerKind = 4;
  int32_t width = 256;
  int32_t height = 192;
  std::string sheet;
};

// One kind of artwork, drawn by `seed` into a frame of width w and height h.
using Painter =
    std::function<void(int32_t x, int32_t y, int32_t w, int32_t h, int seed, uint8_t* rgba)>;

uint32_t Hash(uint32_t v) {
  v ^= v >> 16;
  v *= 0x7feb352dU;
  v ^= v >> 15;
  v *= 0x846ca68bU;
  return v ^ (v >> 16);
}

const struct Kind {
  const char* name;
  bool onSheet;  // noise shows nothing on a contact sheet but its bytes
  Painter paint;
} kKinds[] = {
    {"gradients", true,
     [](int32_t x, int32_t y, int32_t w, int32_t h, int seed, uint8_t* p) {
       p[0] = uint8_t((x * 255 / w + seed * 30) % 256);
       p[1] = uint8_t((y * 255 / h + seed * 50) % 256);
       p[2] = uint8_t(((x * 255 / w + y * 255 / h) / 2 + seed * 70) % 256);
       p[3] = 255;
     }},
    {"noise", false,
     [](int32_t x, int32_t y, int32_t, int32_t, int seed, uint8_t* p) {
       const uint32_t h = Hash(uint32_t(x) * 73856093U ^ uint32_t(y) * 19349663U ^ uint32_t(seed));
       p[0] = uint8_t(h);
       p[1] = uint8_t(h >> 8);
       p[2] = uint8_t(h >> 16);
       p[3] = 255;
     }},
    {"flat art", true,
     [](int32_t x, int32_t y, int32_t w, int32_t, int seed, uint8_t* p) {
       // Cells of 24 flat colours, with a transparent border.
       const int32_t cellSide = std::max(4, w / 16);
       const uint32_t cell = Hash(uint32_t(x / cellSide + 100 * (y / cellSide) + seed)) % 24;
       const bool border = x < cellSide / 2 || y < cellSide / 2;
       p[0] = uint8_t(cell * 10);
       p[1] = uint8_t(255 - cell * 9);
       p[2] = uint8_t(cell * 37 % 256);
       p[3] = border ? 0 : 255;
     }},
    {"anti-aliased edges", true,
     [](int32_t x, int32_t y, int32_t w, int32_t h, int seed, uint8_t* p) {
       // A shaded disc whose rim fades out over two pixels, on transparency.
       const double dx = x - w / 2.0 - seed * 3;
       const double dy = y - h / 2.0;
       const double radius = std::min(w, h) * 0.42;
       const double r = std::sqrt(dx * dx + dy * dy);
       const double cover = std::clamp((radius - r) / 2.0, 0.0, 1.0);
       const double shade = std::clamp(1.0 - (dx + dy) / (2.5 * radius), 0.2, 1.0);
       p[0] = uint8_t(200 * shade);
       p[1] = uint8_t((120 + seed * 20) * shade);
       p[2] = uint8_t(60 * shade);
       p[3] = uint8_t(255 * cover);
     }},
};

RgbaImage Draw(const Kind& kind, int seed, const Options& options) {
  RgbaImage image;
  image.width = options.width;
  image.height = options.height;
  image.pixels.resize(size_t(image.width) * size_t(image.height) * 4);
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      kind.paint(x, y, image.width, image.height, seed,
                 image.pixels.data() + (size_t(y) * size_t(image.width) + size_t(x)) * 4);
    }
  }
  return image;
}

struct Clock {
  double cpu = 0;
  double wall = 0;
  static Clock Now() {
    timespec cpu{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const auto wall = std::chrono::steady_clock::now().time_since_epoch();
    return {double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e9,
            std::chrono::duration<double>(wall).count()};
  }
  Clock operator-(const Clock& start) const { return {cpu - start.cpu, wall - start.wall}; }
};

struct Errors {
  double sum = 0;
  double worst = 0;
  uint64_t pixels = 0;
  void Add(const RgbaImage& source, const BmpImage& mapped, const RgbPalette& palette) {
    for (int32_t y = 0; y < source.height; ++y) {
      const uint8_t* row = mapped.RowFromTop(y);
      for (int32_t x = 0; x < source.width; ++x) {
        const uint8_t* p = source.At(x, y);
        if (p[3] < 128 || row[x] < kSpecialSlots) {
          continue;  // left transparent or kept as a special colour: not mapped
        }
        const uint8_t* c = palette.data() + 3 * row[x];
        const double d = std::sqrt(std::pow(p[0] - c[0], 2) + std::pow(p[1] - c[1], 2) +
                                   std::pow(p[2] - c[2], 2));
        sum += d;
        worst = std::max(worst, d);
        ++pixels;
      }
    }
  }
};

// A reference palette the frames had no part in: a 6 x 6 x 6 colour cube and
// 32 greys in slots 8 to 255.
RgbPalette CubePalette() {
  RgbPalette palette = kDefaultSpecialColours;
  size_t slot = kSpecialSlots;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b, ++slot) {
        palette[3 * slot] = uint8_t(r * 51);
        palette[3 * slot + 1] = uint8_t(g * 51);
        palette[3 * slot + 2] = uint8_t(b * 51);
      }
    }
  }
  for (int i = 0; slot < 256; ++i, ++slot) {
    palette[3 * slot] = palette[3 * slot + 1] = palette[3 * slot + 2] = uint8_t(4 + i * 8);
  }
  return palette;
}

void Report(const char* label, const Errors& errors, const Clock& time, const Clock& floor) {
  std::printf(
      "%-34s mean %6.2f  worst %6.1f  CPU %7.1f ms (%5.2fx floor)  wall %7.1f ms (%5.2fx)\n", label,
      errors.pixels ? errors.sum / double(errors.pixels) : 0.0, errors.worst, time.cpu * 1e3,
      time.cpu / std::max(floor.cpu, 1e-9), time.wall * 1e3,
      time.wall / std::max(floor.wall, 1e-9));
}

// Frames side by side on a checkerboard, 4 pixels apart.
void PutOnSheet(const RgbaImage& frame, int32_t left, int32_t top, RgbaImage& sheet) {
  for (int32_t y = 0; y < frame.height; ++y) {
    for (int32_t x = 0; x < frame.width; ++x) {
      const uint8_t* p = frame.At(x, y);
      uint8_t* out =
          sheet.pixels.data() + (size_t(top + y) * size_t(sheet.width) + size_t(left + x)) * 4;
      const int ground = ((x / 8 + y / 8) % 2) != 0 ? 200 : 150;
      for (int c = 0; c < 3; ++c) {
        out[c] = uint8_t((p[c] * p[3] + ground * (255 - p[3])) / 255);
      }
      out[3] = 255;
    }
  }
}

// The mapped frame in RGBA: index 0 transparent, others their palette colour.
RgbaImage AsRgba(const BmpImage& mapped, const RgbPalette& palette) {
  RgbaImage image;
  image.width = mapped.width;
  image.height = mapped.height;
  for (int32_t y = 0; y < mapped.height; ++y) {
    for (int32_t x = 0; x < mapped.width; ++x) {
      const uint8_t index = mapped.RowFromTop(y)[x];
      const uint8_t* c = palette.data() + 3 * index;
      image.pixels.insert(image.pixels.end(), {c[0], c[1], c[2], uint8_t(index == 0 ? 0 : 255)});
    }
  }
  return image;
}

void WriteSheet(const std::string& path, const std::vector<RgbaImage>& before,
                const std::vector<RgbaImage>& after) {
  constexpr int32_t kGap = 4;
  RgbaImage sheet;
  sheet.width = int32_t(before.size()) * (before[0].width + kGap) + kGap;
  sheet.height = 2 * (before[0].height + kGap) + kGap;
  sheet.pixels.assign(size_t(sheet.width) * size_t(sheet.height) * 4, 255);
  for (size_t i = 0; i < before.size(); ++i) {
    const int32_t left = kGap + int32_t(i) * (before[i].width + kGap);
    PutOnSheet(before[i], left, kGap, sheet);
    PutOnSheet(after[i], left, 2 * kGap + before[i].height, sheet);
  }
  bmpgen::WritePng(path, bmpgen::RgbaPng(sheet.width, sheet.height, sheet.pixels));
}

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 == argc) {
      return false;
    }
    if (arg == "--frames") {
      options.framesPerKind = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--size") {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2 ||
          options.width < 16 || options.height < 16) {
        return false;
      }
    } else if (arg == "--sheet") {
      options.sheet = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(stderr,
                 "Usage: kelvane-bench-colours [--frames N] [--size WxH] [--sheet OUT.png]\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("kelvane-colours-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::vector<std::string> paths;
  std::vector<RgbaImage> sources;
  for (const Kind& kind : kKinds) {
    for (int seed = 0; seed < options.framesPerKind; ++seed) {
      sources.push_back(Draw(kind, seed, options));
      paths.push_back((folder / ("frame" + std::to_string(paths.size()) + ".png")).string());
      bmpgen::WritePng(paths.back(),
                       bmpgen::RgbaPng(options.width, options.height, sources.back().pixels));
    }
  }
  std::printf(
      "%zu RGBA frames of %d x %d (%d of each: gradients, noise, flat art, anti-aliased edges)\n",
      paths.size(), options.width, options.height, options.framesPerKind);

  BmpImage unused;
  RgbaImage frame;
  Clock start = Clock::Now();
  for (const std::string& path : paths) {
    LoadFrameFile(path, unused, frame);
  }
  const Clock floor = Clock::Now() - start;
  std::printf("%-34s CPU %7.1f ms  wall %7.1f ms\n", "floor: reading the PNGs", floor.cpu * 1e3,
              floor.wall * 1e3);

  const struct {
    const char* label;
    bool shared;
    bool dither;
  } runs[] = {{"shared palette", true, false},
              {"shared palette, dithered", true, true},
              {"fixed reference (colour cube)", false, false},
              {"fixed reference, dithered", false, true}};
  std::vector<RgbaImage> after;
  for (const auto& run : runs) {
    start = Clock::Now();
    ColourMapping mapping{CubePalette(), run.dither};
    if (run.shared) {
      mapping.palette = MakeDefPalette({PaletteSource::Shared, {}}, paths);
    }
    Errors errors;
    BmpImage mapped;
    std::vector<std::pair<size_t, BmpImage>> kept;
    for (size_t i = 0; i < paths.size(); ++i) {
      LoadDefFrame(paths[i], mapping, mapped, frame);
      errors.Add(sources[i], mapped, mapping.palette);
      const Kind& kind = kKinds[i / size_t(options.framesPerKind)];
      if (run.shared && !run.dither && kind.onSheet && i % size_t(options.framesPerKind) == 0) {
        kept.emplace_back(i, mapped);
      }
    }
    Report(run.label, errors, Clock::Now() - start, floor);
    for (const auto& [index, image] : kept) {
      after.push_back(AsRgba(image, mapping.palette));
    }
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.1f MiB\n", double(usage.ru_maxrss) / 1024.0);
  if (!options.sheet.empty()) {
    std::vector<RgbaImage> before;
    for (size_t i = 0; i < sources.size(); i += size_t(options.framesPerKind)) {
      if (kKinds[i / size_t(options.framesPerKind)].onSheet) {
        before.push_back(sources[i]);
      }
    }
    WriteSheet(options.sheet, before, after);
    std::printf("wrote %s\n", options.sheet.c_str());
  }
  fs::remove_all(folder);
  return 0;
}
