// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_frames.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

namespace {

// Eight colour ramps of 31 shades each fill indices 8 to 255; 0 to 7 keep
// their roles (transparent, shadow, outline) and are never drawn here.
constexpr int kFirstRampIndex = 8;
constexpr int kRampShades = 31;
constexpr int kRamps = 8;
constexpr int kShapes = 7;

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return h;
}

// Unit noise in [-1, 1) from a hash.
double Noise(uint32_t a, uint32_t b, uint32_t c) {
  return double(Hash(a, b, c) & 0xFFFF) / 32768.0 - 1.0;
}

struct Shape {
  double cx, cy, rx, ry;  // centre and radii, pixels
  int ramp;
  std::vector<double> wobbleX, wobbleY;  // per column and per row: the edge's waves
};

std::vector<Shape> MakeShapes(int32_t w, int32_t h, int index) {
  std::vector<Shape> shapes;
  const double swing = std::sin(index * 0.63);  // the animation's step
  for (int s = 0; s < kShapes; ++s) {
    Shape shape;
    const double angle = s * 2.39996;  // golden angle: spread round the middle
    const double spread = s == 0 ? 0.0 : 0.16 + 0.05 * (s % 3);
    shape.cx = w * (0.5 + spread * std::cos(angle) + 0.015 * swing * (s % 2 ? 1 : -1));
    shape.cy = h * (0.52 + spread * std::sin(angle) * 1.1 + 0.01 * swing);
    shape.rx = w * (s == 0 ? 0.27 : 0.12 + 0.03 * (s % 4));
    shape.ry = h * (s == 0 ? 0.29 : 0.13 + 0.025 * ((s + 1) % 4));
    shape.ramp = s % kRamps;
    for (int32_t x = 0; x < w; ++x) {
      shape.wobbleX.push_back(0.10 * std::sin(x * 0.13 + s + index * 0.2));
    }
    for (int32_t y = 0; y < h; ++y) {
      shape.wobbleY.push_back(0.08 * std::cos(y * 0.09 + 2 * s));
    }
    shapes.push_back(std::move(shape));
  }
  return shapes;
}

// The shape that owns a pixel (the last drawn wins) and where on it the pixel
// lies: -1 outside every shape.
int Owner(const std::vector<Shape>& shapes, int32_t x, int32_t y, double& dx, double& dy) {
  for (int s = kShapes - 1; s >= 0; --s) {
    const Shape& shape = shapes[size_t(s)];
    const double ux = (x - shape.cx) / shape.rx;
    const double uy = (y - shape.cy) / shape.ry;
    const double edge = 1.0 + shape.wobbleX[size_t(x)] + shape.wobbleY[size_t(y)];
    if (ux * ux + uy * uy < edge * edge) {
      dx = ux;
      dy = uy;
      return s;
    }
  }
  return -1;
}

uint8_t Shade(int ramp, double level) {
  const int shade = std::clamp(int(std::lround(level)), 0, kRampShades - 1);
  return uint8_t(kFirstRampIndex + ramp * kRampShades + shade);
}

// Light from the upper left, a blocky texture and a one-pixel dither.
uint8_t SurfacePixel(int ramp, double dx, double dy, int32_t x, int32_t y, int index) {
  const double light = 0.55 - 0.25 * dx - 0.3 * dy;
  const double texture = 3.0 * Noise(uint32_t(x) >> 2, uint32_t(y) >> 2, uint32_t(ramp));
  const double dither = 1.2 * Noise(uint32_t(x), uint32_t(y), uint32_t(index));
  return Shade(ramp, light * kRampShades + texture + dither);
}

void SetArtPalette(bmpgen::Bmp8& frame) {
  for (int ramp = 0; ramp < kRamps; ++ramp) {
    const int r = 60 + 25 * ramp, g = 200 - 20 * ramp, b = 40 + 27 * (ramp % 5);
    for (int shade = 0; shade < kRampShades; ++shade) {
      const double f = 0.15 + 0.85 * shade / (kRampShades - 1);
      frame.SetColour(uint8_t(kFirstRampIndex + ramp * kRampShades + shade), uint8_t(r * f),
                      uint8_t(g * f), uint8_t(std::min(255.0, b * f)));
    }
  }
}

}  // namespace

bmpgen::Bmp8 DrawArtFrame(int32_t width, int32_t height, int index, bool opaque) {
  bmpgen::Bmp8 frame(width, height);
  SetArtPalette(frame);
  const std::vector<Shape> shapes = MakeShapes(width, height, index);
  std::vector<int8_t> owner(size_t(width) * size_t(height), -1);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      double dx = 0, dy = 0;
      int s = Owner(shapes, x, y, dx, dy);
      if (s < 0 && opaque) {
        s = kShapes;  // the ground of a tile
        dx = double(x) / width - 0.5;
        dy = double(y) / height - 0.5;
      }
      if (s >= 0) {
        owner[size_t(y) * size_t(width) + size_t(x)] = int8_t(s);
        frame.At(x, y) = SurfacePixel(s % kRamps, dx, dy, x, y, index);
      }
    }
  }
  if (opaque) {
    return frame;
  }
  // Anti-aliasing: figure pixels at the edge darken; transparent pixels with
  // two or more figure neighbours take a blend shade of a neighbour's ramp.
  const auto ownerAt = [&](int32_t x, int32_t y) {
    return x < 0 || y < 0 || x >= width || y >= height
               ? -1
               : owner[size_t(y) * size_t(width) + size_t(x)];
  };
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const int neighbours[4] = {ownerAt(x - 1, y), ownerAt(x + 1, y), ownerAt(x, y - 1),
                                 ownerAt(x, y + 1)};
      const int inside =
          int(std::count_if(neighbours, neighbours + 4, [](int o) { return o >= 0; }));
      const int self = ownerAt(x, y);
      if (self >= 0 && inside < 4) {
        frame.At(x, y) = Shade(self % kRamps, 3 + 2 * inside + Noise(x, y, 7));
      } else if (self < 0 && inside >= 2) {
        const int from = *std::max_element(neighbours, neighbours + 4);
        frame.At(x, y) = Shade(from % kRamps, 8 + 3 * Noise(x, y, 11));
      }
    }
  }
  return frame;
}

}  // namespace bench
