// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/contact_sheet.h"

#include <algorithm>
#include <array>

#include "base/errors.h"

namespace kelvane {

namespace {

constexpr int32_t kGap = 8;
constexpr int32_t kLabelHeight = 14;  // digits of 5 rows drawn twice as tall, and room
constexpr int32_t kChecker = 8;
constexpr uint8_t kShadowIndex = 4;

// 3 x 5 pixel digits, one row of three bits per entry, top row first.
constexpr std::array<std::array<uint8_t, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 1, 1},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

class Canvas {
 public:
  explicit Canvas(ContactSheet& sheet) : sheet_(sheet) {}

  void Set(int64_t x, int64_t y, Rgb c) {
    uint8_t* p = sheet_.rgba.data() + (size_t(y) * size_t(sheet_.width) + size_t(x)) * 4;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = 255;
  }

  Rgb CheckerAt(int64_t x, int64_t y) const {
    const bool light = ((x / kChecker) + (y / kChecker)) % 2 == 0;
    return light ? Rgb{204, 204, 204} : Rgb{153, 153, 153};
  }

  // The number in 3 x 5 digits at twice their size.
  void Number(int64_t x, int64_t y, int32_t number) {
    std::string text = std::to_string(number);
    for (const char c : text) {
      if (c == '-') {
        Fill(x, y + 4, 6, 2);
      } else {
        const auto& rows = kDigits[size_t(c - '0')];
        for (int r = 0; r < 5; ++r) {
          for (int b = 0; b < 3; ++b) {
            if (rows[size_t(r)] >> (2 - b) & 1) {
              Fill(x + 2 * b, y + 2 * r, 2, 2);
            }
          }
        }
      }
      x += 8;
    }
  }

  void Frame(int64_t x0, int64_t y0, const DefImage& image, const RgbPalette& palette) {
    for (int32_t y = 0; y < image.height; ++y) {
      for (int32_t x = 0; x < image.width; ++x) {
        const uint8_t index = image.At(x, y);
        const Rgb under = CheckerAt(x, y);
        const Rgb colour{palette[3 * index], palette[3 * index + 1], palette[3 * index + 2]};
        if (index == 0) {
          Set(x0 + x, y0 + y, under);
        } else if (index == kShadowIndex) {
          Set(x0 + x, y0 + y,
              {uint8_t((colour.r + under.r) / 2), uint8_t((colour.g + under.g) / 2),
               uint8_t((colour.b + under.b) / 2)});
        } else {
          Set(x0 + x, y0 + y, colour);
        }
      }
    }
  }

 private:
  void Fill(int64_t x, int64_t y, int w, int h) {
    for (int dy = 0; dy < h; ++dy) {
      for (int dx = 0; dx < w; ++dx) {
        if (x + dx < sheet_.width && y + dy < sheet_.height) {
          Set(x + dx, y + dy, {0, 0, 0});
        }
      }
    }
  }

  ContactSheet& sheet_;
};

struct Layout {
  uint64_t width = 0;
  uint64_t height = 0;
  std::vector<uint64_t> rowHeights;
};

// Frame sizes come from checked headers, so their sums stay far below 2^63.
Layout LayOut(const DefFile& def) {
  Layout layout;
  layout.height = kGap;
  for (size_t g = 0; g < def.groups().size(); ++g) {
    uint64_t width = kGap;
    uint64_t height = 0;
    for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
      const DefFrameHeader h = def.FrameHeaderOf(g, f);
      width += uint64_t(h.fullWidth) + kGap;
      height = std::max<uint64_t>(height, uint64_t(h.fullHeight));
    }
    layout.width = std::max(layout.width, width);
    layout.rowHeights.push_back(height);
    layout.height += kLabelHeight + height + kGap;
  }
  layout.width = std::max<uint64_t>(layout.width, 64);
  return layout;
}

}  // namespace

ContactSheet DrawContactSheet(const DefFile& def) {
  const Layout layout = LayOut(def);
  if (layout.width * layout.height > kLargestSheetPixels) {
    ThrowInputError("\"" + def.name() + "\" would make a sheet of " + std::to_string(layout.width) +
                        " x " + std::to_string(layout.height) + " pixels, more than the " +
                        std::to_string(kLargestSheetPixels) + " drawn at most",
                    def.name());
  }
  ContactSheet sheet;
  sheet.width = int32_t(layout.width);
  sheet.height = int32_t(layout.height);
  sheet.rgba.assign(size_t(layout.width * layout.height) * 4, 255);
  Canvas canvas(sheet);
  DefImage image;
  int64_t y = kGap;
  for (size_t g = 0; g < def.groups().size(); ++g) {
    canvas.Number(kGap, y, def.groups()[g].number);
    y += kLabelHeight;
    int64_t x = kGap;
    for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
      def.DecodeFrame(g, f, image);
      canvas.Frame(x, y, image, def.palette());
      x += image.width + kGap;
    }
    y += int64_t(layout.rowHeights[g]) + kGap;
  }
  return sheet;
}

}  // namespace kelvane
