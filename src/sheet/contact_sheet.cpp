// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/contact_sheet.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <utility>

#include "base/checked_size.h"
#include "base/def_layout.h"
#include "base/errors.h"

namespace kelvane {

namespace {

constexpr int32_t kGap = 8;
constexpr uint64_t kNarrowestSheet = 64;
constexpr int32_t kLabelHeight = 14;  // digits of 5 rows drawn twice as tall, and room
constexpr int32_t kChecker = 8;

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
    uint8_t* p = Pixel(x, y);
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
        if (index == kTransparentIndex) {
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

  // The w x h pixels drawn at (fromX, fromY), again at (x, y).
  void Copy(int64_t fromX, int64_t fromY, int64_t w, int64_t h, int64_t x, int64_t y) {
    for (int64_t row = 0; row < h; ++row) {
      std::memmove(Pixel(x, y + row), Pixel(fromX, fromY + row), size_t(w) * 4);
    }
  }

 private:
  uint8_t* Pixel(int64_t x, int64_t y) {
    return sheet_.rgba.data() + (size_t(y) * size_t(sheet_.width) + size_t(x)) * 4;
  }

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

// Sizes come from the file: summed without wrapping, so that a sheet too
// large to draw is always seen as such.
Layout LayOut(const DefFile& def) {
  Layout layout;
  SizeSum height(kGap);
  for (size_t g = 0; g < def.groups().size(); ++g) {
    SizeSum width(kGap);
    uint64_t rowHeight = 0;
    for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
      const DefFrameHeader h = def.FrameHeaderOf(g, f);
      width += AddSizes(uint64_t(h.fullWidth), kGap);
      rowHeight = std::max<uint64_t>(rowHeight, uint64_t(h.fullHeight));
    }
    layout.width = std::max(layout.width, width.value());
    layout.rowHeights.push_back(rowHeight);
    height += AddSizes(kLabelHeight + kGap, rowHeight);
  }
  layout.width = std::max<uint64_t>(layout.width, kNarrowestSheet);
  layout.height = height.value();
  return layout;
}

void RefuseOversized(const DefFile& def, const Layout& layout, uint64_t largestPixels) {
  if (layout.width <= kWidestSheet && layout.height <= kWidestSheet &&
      MultiplySizes(layout.width, layout.height) <= largestPixels) {
    return;
  }
  ThrowInputError("\"" + def.name() + "\" would make a sheet of " + SizeText(layout.width) + " x " +
                      SizeText(layout.height) + " pixels; a sheet has at most " +
                      SizeText(kWidestSheet) + " pixels a side and " + SizeText(largestPixels) +
                      " in all",
                  def.name());
}

}  // namespace

ContactSheet DrawContactSheet(const DefFile& def, uint64_t largestPixels) {
  const Layout layout = LayOut(def);
  RefuseOversized(def, layout, largestPixels);
  ContactSheet sheet;
  sheet.width = int32_t(layout.width);
  sheet.height = int32_t(layout.height);
  sheet.rgba.assign(size_t(layout.width * layout.height) * 4, 255);
  Canvas canvas(sheet);
  // A block that many entries point at is decoded once; its later places are
  // copies of the first, so the work is bounded by the sheet and the file.
  std::unordered_map<uint32_t, std::pair<int64_t, int64_t>> drawnAt;
  DefImage image;
  int64_t y = kGap;
  for (size_t g = 0; g < def.groups().size(); ++g) {
    const DefGroupEntry& group = def.groups()[g];
    canvas.Number(kGap, y, group.number);
    y += kLabelHeight;
    int64_t x = kGap;
    for (size_t f = 0; f < group.frames.size(); ++f) {
      const DefFrameHeader h = def.FrameHeaderOf(g, f);
      const auto [first, isNew] = drawnAt.try_emplace(group.frames[f].offset, x, y);
      if (isNew) {
        def.DecodeFrame(g, f, image);
        canvas.Frame(x, y, image, def.palette());
      } else {
        canvas.Copy(first->second.first, first->second.second, h.fullWidth, h.fullHeight, x, y);
      }
      x += int64_t(h.fullWidth) + kGap;
    }
    y += int64_t(layout.rowHeights[g]) + kGap;
  }
  return sheet;
}

}  // namespace kelvane
