// SPDX-License-Identifier: GPL-3.0-or-later
// Frames from PNGs and true-colour BMPs: decoded, mapped onto the DEF's
// palette, and built into the same DEFs as 8-bit frames.

#include <gtest/gtest.h>

#include "base/binary_file.h"
#include "base/frame_file.h"
#include "prepare/colour_mapping.h"
#include "prepare/def_palette.h"
#include "prepare/palette_file.h"
#include "support/compile_fixture.h"
#include "support/def_reader.h"

namespace kelvane {
namespace {

using bmpgen::Png;
using testing_support::TempDir;

// 4 x 2 pixels: opaque, transparent, and alpha on both sides of one half.
const std::vector<uint8_t> kSample = {
    10, 20, 30, 255, 200, 100, 50, 255, 0,   0, 0, 0,   255, 255, 255, 128,
    1,  2,  3,  127, 90,  91,  92, 255, 250, 0, 5, 200, 7,   8,   9,   255,
};

// The sample as a PNG of the given kind and depth; grey kinds take the red
// channel as grey, and 1-bit grey its top bit.
Png SamplePng(Png::Kind kind, int depth) {
  Png png;
  png.kind = kind;
  png.bitDepth = depth;
  png.width = 4;
  png.height = 2;
  const int scale = depth == 16 ? 257 : 1;
  for (size_t i = 0; i < kSample.size(); i += 4) {
    const uint8_t* p = kSample.data() + i;
    switch (kind) {
      case Png::Kind::Grey:
        png.samples.push_back(uint16_t(depth == 1 ? p[0] >> 7 : p[0] * scale));
        break;
      case Png::Kind::GreyAlpha:
        png.samples.insert(png.samples.end(), {uint16_t(p[0] * scale), uint16_t(p[3] * scale)});
        break;
      default:
        for (int c = 0; c < png.Channels(); ++c) {
          png.samples.push_back(uint16_t(p[c] * scale));
        }
    }
  }
  return png;
}

// What reading the sample back gives for each kind.
std::vector<uint8_t> Expected(Png::Kind kind, int depth) {
  std::vector<uint8_t> rgba = kSample;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    const bool grey = kind == Png::Kind::Grey || kind == Png::Kind::GreyAlpha;
    if (grey) {
      const uint8_t g = depth == 1 ? uint8_t(rgba[i] >> 7 ? 255 : 0) : rgba[i];
      rgba[i] = rgba[i + 1] = rgba[i + 2] = g;
    }
    if (kind == Png::Kind::Grey || kind == Png::Kind::Rgb) {
      rgba[i + 3] = 255;
    }
  }
  return rgba;
}

TEST(TrueColourFrames, EveryPngKindAndDepthDecodesToItsColours) {
  TempDir dir;
  const std::pair<Png::Kind, int> kinds[] = {
      {Png::Kind::Rgba, 8}, {Png::Kind::Rgba, 16},     {Png::Kind::Rgb, 8},
      {Png::Kind::Rgb, 16}, {Png::Kind::GreyAlpha, 8}, {Png::Kind::GreyAlpha, 16},
      {Png::Kind::Grey, 8}, {Png::Kind::Grey, 16},     {Png::Kind::Grey, 1},
  };
  BmpImage indexed;
  RgbaImage rgba;
  for (const auto& [kind, depth] : kinds) {
    const std::string path = dir.Png("f.png", SamplePng(kind, depth));
    EXPECT_EQ(ReadFrameInfo(path).colours, FrameColours::TrueColour);
    ASSERT_EQ(LoadFrameFile(path, indexed, rgba), FrameColours::TrueColour);
    EXPECT_EQ(rgba.width, 4);
    EXPECT_EQ(rgba.pixels, Expected(kind, depth)) << int(kind) << " " << depth;
  }
}

TEST(TrueColourFrames, SixteenBitAlphaIsHalvedAtItsMiddle) {
  TempDir dir;
  Png png;
  png.bitDepth = 16;
  png.width = 2;
  png.height = 1;
  png.samples = {0, 0, 0, 32767, 0, 0, 0, 32768};
  BmpImage indexed;
  RgbaImage rgba;
  LoadFrameFile(dir.Png("a.png", png), indexed, rgba);
  EXPECT_EQ(rgba.pixels[3], 127);  // below one half: transparent when mapped
  EXPECT_EQ(rgba.pixels[7], 128);
}

TEST(TrueColourFrames, BmpsOf24And32BitsDecode) {
  TempDir dir;
  using bmpgen::TrueColourBmp;
  std::vector<uint8_t> noAlpha = kSample;
  for (size_t i = 3; i < noAlpha.size(); i += 4) {
    noAlpha[i] = 0;  // as programs that do not write alpha leave the fourth byte
  }
  const struct {
    TrueColourBmp kind;
    const std::vector<uint8_t>& pixels;
    std::vector<uint8_t> expected;
  } cases[] = {
      {TrueColourBmp::Bits24, kSample, Expected(Png::Kind::Rgb, 8)},
      {TrueColourBmp::Bits32, kSample, kSample},
      {TrueColourBmp::Bits32, noAlpha, Expected(Png::Kind::Rgb, 8)},
      {TrueColourBmp::Bits32AlphaMask, kSample, kSample},
  };
  BmpImage indexed;
  RgbaImage rgba;
  for (const auto& c : cases) {
    const std::string path = dir.File("t.bmp");
    testing_support::WriteBytes(path, bmpgen::EncodeTrueColourBmp(4, 2, c.pixels, c.kind));
    ASSERT_EQ(LoadFrameFile(path, indexed, rgba), FrameColours::TrueColour);
    EXPECT_EQ(rgba.pixels, c.expected) << int(c.kind);
  }
}

// An 8-bit BMP of more than 1,078 bytes is read whole in one call before its
// kind is known; a larger true-colour file must still reach its own reader.
TEST(TrueColourFrames, LargerFilesReachTheirReaders) {
  TempDir dir;
  constexpr int kWidth = 40, kHeight = 20;  // 2,400 bytes of 24-bit pixels
  std::vector<uint8_t> pixels(size_t{kWidth} * kHeight * 4);
  for (size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = i % 4 == 3 ? 255 : uint8_t(i * 37 % 251);  // too varied to compress small
  }
  Png png;
  png.kind = Png::Kind::Rgba;
  png.width = kWidth;
  png.height = kHeight;
  png.samples.assign(pixels.begin(), pixels.end());
  const std::string files[] = {dir.Png("big.png", png), dir.File("big.bmp")};
  testing_support::WriteBytes(files[1], bmpgen::EncodeTrueColourBmp(kWidth, kHeight, pixels,
                                                                    bmpgen::TrueColourBmp::Bits24));
  BmpImage indexed;
  RgbaImage rgba;
  for (const std::string& path : files) {
    ASSERT_GT(InputFile(path).size(), 1078u) << path;
    ASSERT_EQ(LoadFrameFile(path, indexed, rgba), FrameColours::TrueColour) << path;
    EXPECT_EQ(rgba.pixels, pixels) << path;
  }
}

TEST(TrueColourFrames, PalettePngIsIndexedWithItsOwnTable) {
  TempDir dir;
  bmpgen::Bmp8 drawn(5, 3);
  drawn.colours = 16;
  for (int32_t i = 0; i < 15; ++i) {
    drawn.pixels[size_t(i)] = uint8_t(i);
  }
  drawn.SetColour(3, 1, 2, 3);
  Png png = bmpgen::PalettePng(drawn);
  png.bitDepth = 4;
  const std::string path = dir.Png("p.png", png);
  const FrameInfo info = ReadFrameInfo(path);
  EXPECT_EQ(info.colours, FrameColours::Indexed);
  EXPECT_EQ(info.paletteEntries, 16u);
  BmpImage indexed;
  RgbaImage rgba;
  ASSERT_EQ(LoadFrameFile(path, indexed, rgba), FrameColours::Indexed);
  EXPECT_EQ(indexed.RowFromTop(2)[4], 14);
  EXPECT_EQ(indexed.RowFromTop(0)[3], 3);
  EXPECT_EQ(BuildRgbPalette(indexed.palette)[9], 1);
  EXPECT_EQ(indexed.palette[4 * 16 + 2], 0);  // padded with zero entries
}

// A palette whose entries 8 to 255 all differ from each other and from 0 to 7.
RgbPalette TestPalette() {
  RgbPalette palette = kDefaultSpecialColours;
  for (int i = kSpecialSlots; i < 256; ++i) {
    palette[3 * size_t(i)] = uint8_t(i);
    palette[3 * size_t(i) + 1] = uint8_t(255 - i);
    palette[3 * size_t(i) + 2] = uint8_t(i * 7);
  }
  return palette;
}

TEST(TrueColourFrames, MappingKeepsTransparencyAndSpecialColours) {
  const RgbPalette palette = TestPalette();
  auto colour = [&](int entry, uint8_t alpha) {
    const uint8_t* rgb = palette.data() + 3 * entry;
    return std::vector<uint8_t>{rgb[0], rgb[1], rgb[2], alpha};
  };
  const std::vector<std::pair<std::vector<uint8_t>, int>> pixels = {
      {{90, 90, 90, 0}, 0},      // transparent
      {colour(30, 127), 0},      // alpha below one half
      {colour(30, 128), 30},     // alpha from one half on counts as opaque
      {colour(4, 255), 4},       // the shadow colour, painted on purpose
      {colour(5, 200), 5},       // the outline colour
      {colour(0, 255), 0},       // the transparent key colour
      {colour(200, 255), 200},   // an exact match among the free slots
      {{254, 0, 255, 255}, -1},  // one step from the shadow: a free slot
  };
  RgbaImage frame;
  frame.width = int32_t(pixels.size());
  frame.height = 1;
  for (const auto& [rgba, index] : pixels) {
    frame.pixels.insert(frame.pixels.end(), rgba.begin(), rgba.end());
  }
  BmpImage out;
  MapTrueColourFrame(frame, {palette, false}, out);
  ASSERT_EQ(out.width, frame.width);
  EXPECT_EQ(BuildRgbPalette(out.palette), palette);
  for (size_t x = 0; x < pixels.size(); ++x) {
    const int index = out.RowFromTop(0)[x];
    if (pixels[x].second >= 0) {
      EXPECT_EQ(index, pixels[x].second) << x;
    } else {
      EXPECT_GE(index, kSpecialSlots) << x;
    }
  }
}

TEST(TrueColourFrames, DitheringIsOffUnlessAsked) {
  RgbaImage ramp;
  ramp.width = 64;
  ramp.height = 4;
  for (int32_t i = 0; i < ramp.width * ramp.height; ++i) {
    const auto level = uint8_t(i % 64 * 4);
    ramp.pixels.insert(ramp.pixels.end(), {level, level, uint8_t(level / 2), 255});
  }
  BmpImage plain;
  BmpImage dithered;
  MapTrueColourFrame(ramp, {TestPalette(), false}, plain);
  MapTrueColourFrame(ramp, {TestPalette(), true}, dithered);
  // Without dithering every row of the ramp maps alike.
  EXPECT_TRUE(std::equal(plain.RowFromTop(0), plain.RowFromTop(0) + 64, plain.RowFromTop(3)));
  EXPECT_NE(plain.pixels, dithered.pixels);
}

// Reference palettes: every kind of file, and 256 colours exactly.
TEST(TrueColourFrames, ReferencePaletteFiles) {
  TempDir dir;
  const RgbPalette palette = TestPalette();
  const std::string jasc = dir.File("ref.pal");
  WritePaletteFile(jasc, palette);
  const std::string gimp = dir.File("ref.gpl");
  WritePaletteFile(gimp, palette);
  EXPECT_EQ(ReadReferencePalette(jasc), palette);
  EXPECT_EQ(ReadReferencePalette(gimp), palette);
  bmpgen::Bmp8 drawn(2, 2);
  drawn.SetColour(9, 1, 2, 3);
  EXPECT_EQ(ReadReferencePalette(dir.Bmp("ref.bmp", drawn))[27], 1);
  EXPECT_EQ(ReadReferencePalette(dir.Png("ref.png", bmpgen::PalettePng(drawn)))[28], 2);

  drawn.colours = 16;
  const std::string shortPng = dir.Png("short.png", bmpgen::PalettePng(drawn));
  const std::string rgba = dir.Png("rgba.png", SamplePng(Png::Kind::Rgba, 8));
  const std::string shortJasc = dir.File("short.pal");
  testing_support::WriteBytes(shortJasc,
                              {'J', 'A', 'S',  'C', '-',  'P', 'A', 'L', '\n', '0', '1',
                               '0', '0', '\n', '1', '\n', '1', ' ', '2', ' ',  '3', '\n'});
  std::string gimpText = PaletteFileText(gimp, palette) + "1 2 3\n";
  const std::string longGimp = dir.File("long.gpl");
  testing_support::WriteBytes(longGimp, {gimpText.begin(), gimpText.end()});
  const std::pair<std::string, std::string> refused[] = {
      {shortPng, "its colour table has 16 entries"},
      {rgba, "it is a true-colour picture, which has no palette"},
      {shortJasc, "its count line says '1'"},
      {longGimp, "it holds more than 256 colours"},
  };
  for (const auto& [path, why] : refused) {
    EXPECT_EQ(testing_support::ErrorText([&] { ReadReferencePalette(path); }),
              "\"" + path + "\" is not a palette of 256 colours: " + why);
  }
}

class TrueColourBuildTest : public testing_support::CompileTest {
 protected:
  // A 32 x 32 RGBA frame of the given colours, in bands, the top-left pixel transparent.
  std::string RgbaFrame(const std::string& name,
                        const std::vector<std::array<uint8_t, 3>>& colours) {
    std::vector<uint8_t> rgba;
    for (int32_t i = 0; i < 32 * 32; ++i) {
      const auto& c = colours[size_t(i) / 7 % colours.size()];
      rgba.insert(rgba.end(), {c[0], c[1], c[2], uint8_t(i == 0 ? 0 : 255)});
    }
    return frames.Png(name, bmpgen::RgbaPng(32, 32, rgba));
  }

  // Each frame's pixels (format 0: the raw 32 x 32 indices).
  std::vector<std::vector<uint8_t>> FramePixels(const testing_support::DefFile& def) {
    std::vector<std::vector<uint8_t>> pixels;
    for (const auto& frame : def.frames) {
      pixels.push_back(frame.data);
    }
    return pixels;
  }
};

TEST_F(TrueColourBuildTest, PalettePngBuildsTheSameDefAsTheBmp) {
  std::vector<std::string> bmps;
  std::vector<std::string> pngs;
  for (int seed = 0; seed < 3; ++seed) {
    bmpgen::Bmp8 drawn = testing_support::Tile32(seed);
    drawn.SetColour(7, 9, 8, 7);
    drawn.FillRect(4, 4, 20, 20, 0);
    bmps.push_back(frames.Bmp("frame_0" + std::to_string(seed) + ".bmp", drawn));
    pngs.push_back(
        frames.Png("frame_0" + std::to_string(seed) + ".png", bmpgen::PalettePng(drawn)));
  }
  // Terrain, creatures with shadow and outline at a fixed size, map objects with shadow.
  for (const int type : {3, 0, 2}) {
    options = TypePicked(StartSettings(), type);
    options.outputName = out.File("out.def");
    options.shadow = type != 3;
    options.outline = type == 0;
    options = SetFixedSize(options, type == 0);
    options.fixedWidth = options.fixedHeight = "40";
    std::vector<uint8_t> built[2];
    for (int asPng = 0; asPng < 2; ++asPng) {
      const auto& paths = asPng != 0 ? pngs : bmps;
      list = testing_support::ListOf({paths[0] + "*", paths[1], "/", paths[2], "/"});
      built[asPng] = CompiledBytes();
    }
    EXPECT_EQ(built[0], built[1]) << "type " << type;
  }
}

TEST_F(TrueColourBuildTest, MixedListTakesThePaletteOfItsFirstEightBitFrame) {
  bmpgen::Bmp8 drawn = testing_support::Tile32(1);
  for (int i = 8; i < 256; ++i) {
    drawn.SetColour(uint8_t(i), uint8_t(i), 10, uint8_t(255 - i));
  }
  const std::string bmp = frames.Bmp("b.bmp", drawn);
  const std::string png = RgbaFrame("a.png", {{40, 10, 215}, {4, 4, 4}, {40, 12, 215}});
  list = testing_support::ListOf({png, bmp, "/"});
  const auto def = testing_support::ReadDef(CompiledBytes());
  const RgbPalette expected = BuildRgbPalette(drawn.palette);
  EXPECT_EQ(def.palette, std::vector<uint8_t>(expected.begin(), expected.end()));
  const auto pixels = FramePixels(def)[0];
  EXPECT_EQ(pixels[0], 0);    // transparent
  EXPECT_EQ(pixels[1], 40);   // an exact colour of the BMP's palette
  EXPECT_EQ(pixels[7], 4);    // its entry 4, the shadow
  EXPECT_EQ(pixels[14], 40);  // the nearest of slots 8 to 255
  EXPECT_EQ(FramePixels(def)[1], std::vector<uint8_t>(drawn.pixels.begin(), drawn.pixels.end()));
}

TEST_F(TrueColourBuildTest, SharedPaletteKeepsTheSpecialSlotsAndEveryColour) {
  const std::vector<std::array<uint8_t, 3>> a = {{200, 10, 10}, {10, 200, 10}, {255, 0, 255}};
  const std::vector<std::array<uint8_t, 3>> b = {{10, 10, 200}, {123, 45, 67}};
  list = testing_support::ListOf({RgbaFrame("a.png", a), "/", RgbaFrame("b.png", b), "/"});
  const auto def = testing_support::ReadDef(CompiledBytes());
  EXPECT_EQ(
      std::vector<uint8_t>(def.palette.begin(), def.palette.begin() + 24),
      std::vector<uint8_t>(kDefaultSpecialColours.begin(), kDefaultSpecialColours.begin() + 24));
  const auto pixels = FramePixels(def);
  for (size_t f = 0; f < 2; ++f) {
    const auto& colours = f == 0 ? a : b;
    for (size_t i = 0; i < pixels[f].size(); ++i) {
      const uint8_t index = pixels[f][i];
      const auto& source = colours[i / 7 % colours.size()];
      if (i == 0 || source == std::array<uint8_t, 3>{255, 0, 255}) {
        EXPECT_LT(index, kSpecialSlots) << i;
        continue;
      }
      ASSERT_GE(index, kSpecialSlots) << i;
      EXPECT_EQ(std::vector<uint8_t>(def.palette.begin() + 3 * index,
                                     def.palette.begin() + 3 * index + 3),
                std::vector<uint8_t>(source.begin(), source.end()))
          << f << " " << i;
    }
  }
}

TEST_F(TrueColourBuildTest, PaletteCheckComparesOnlyEightBitFrames) {
  bmpgen::Bmp8 white = testing_support::Tile32(2);
  for (int i = 0; i < 256; ++i) {
    white.SetColour(uint8_t(i), 255, 255, 255);
  }
  const std::string png = RgbaFrame("a.png", {{1, 2, 3}});
  list = testing_support::ListOf({png, Frame("b.bmp"), frames.Bmp("c.bmp", white), "/"});
  options.checkPalette = true;
  host.answerOk = false;
  EXPECT_EQ(Compile().status, CompileOutcome::Status::Cancelled);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].second, "Wrong palette in 3 Frame");

  // Against a reference palette, the first 8-bit frame is compared too.
  host.messages.clear();
  document.colours.referencePalette = frames.File("white.pal");
  WritePaletteFile(document.colours.referencePalette, BuildRgbPalette(white.palette));
  EXPECT_EQ(Compile().status, CompileOutcome::Status::Cancelled);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].second, "Wrong palette in 2 Frame");
}

}  // namespace
}  // namespace kelvane
