// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-cli with PNG and true-colour frames: reference palettes, convert,
// palette, and the frames it refuses.

#include <gtest/gtest.h>
#include <zlib.h>

#include <sstream>

#include "cli/convert_command.h"
#include "prepare/palette_file.h"
#include "support/cli_run.h"
#include "support/def_reader.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::Build;
using testing_support::ReadBytes;
using testing_support::TempDir;

// A 40 x 30 RGBA frame: a gradient disc on transparency, varied by `seed`.
bmpgen::Png Disc(int seed) {
  std::vector<uint8_t> rgba;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = (x - 20) * (x - 20) + (y - 15) * (y - 15) < 14 * 14;
      rgba.insert(rgba.end(), {uint8_t(x * 6 + seed * 40), uint8_t(y * 8), uint8_t(seed * 90),
                               uint8_t(inside ? 255 : 0)});
    }
  }
  return bmpgen::RgbaPng(40, 30, rgba);
}

// The PNG's bytes with its header's size changed and its checksum made right.
std::vector<uint8_t> WithSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
  for (int i = 0; i < 4; ++i) {
    png[16 + size_t(i)] = uint8_t(width >> (24 - 8 * i));
    png[20 + size_t(i)] = uint8_t(height >> (24 - 8 * i));
  }
  const uLong crc = crc32(0, png.data() + 12, 17);
  for (int i = 0; i < 4; ++i) {
    png[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
  }
  return png;
}

struct Run {
  int status;
  std::string out;
  std::string err;
};

Run Command(int (*run)(const std::vector<std::string>&, std::ostream&, std::ostream&),
            const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

class TrueColourCliTest : public ::testing::Test {
 protected:
  std::vector<std::string> Discs(int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
      paths.push_back(dir.Png("frame_0" + std::to_string(i) + ".png", Disc(i)));
    }
    return paths;
  }
  std::vector<uint8_t> BuiltDef(std::vector<std::string> args) {
    const std::string out = dir.File("built.def");
    args.insert(args.begin(), {"--type", "0", "--shadow", "-o", out});
    const auto run = Build(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return ReadBytes(out);
  }
  TempDir dir;
};

TEST_F(TrueColourCliTest, ConvertedBmpsRebuildTheSameDef) {
  const auto frames = Discs(3);
  const std::string pal = dir.File("ref.pal");
  RgbPalette ramp{};
  for (size_t i = 0; i < ramp.size(); ++i) {
    ramp[i] = uint8_t(i * 5 / 3);
  }
  WritePaletteFile(pal, ramp);
  const std::vector<std::vector<std::string>> colourOptions = {{}, {"--palette", pal, "--dither"}};
  for (const auto& options : colourOptions) {
    std::vector<std::string> args = options;
    args.insert(args.end(), {frames[0], frames[1], "/", frames[2], "/"});
    const auto fromPngs = BuiltDef(args);
    std::vector<std::string> convert = options;
    convert.insert(convert.end(), {"--force", "-o", dir.File("bmps")});
    convert.insert(convert.end(), frames.begin(), frames.end());
    const auto converted = Command(RunConvert, convert);
    ASSERT_EQ(converted.status, 0) << converted.err;
    const auto bmp = [&](int i) { return dir.File("bmps/frame_0" + std::to_string(i) + ".bmp"); };
    EXPECT_EQ(BuiltDef({bmp(0), bmp(1), "/", bmp(2), "/"}), fromPngs) << options.size();
  }
}

TEST_F(TrueColourCliTest, PaletteCommandWritesThePaletteABuildGives) {
  const auto frames = Discs(2);
  const std::string pal = dir.File("shared.pal");
  const auto run = Command(RunPalette, {pal, frames[0], frames[1]});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "wrote " + pal + "; palette: made for these true-colour frames\n");
  const auto def = testing_support::ReadDef(BuiltDef({frames[0], frames[1]}));
  const RgbPalette palette = ReadReferencePalette(pal);
  EXPECT_EQ(def.palette, std::vector<uint8_t>(palette.begin(), palette.end()));
}

TEST_F(TrueColourCliTest, ADocumentKeepsTheReferencePaletteAndDithering) {
  const auto frames = Discs(2);
  const std::string pal = dir.File("ref.gpl");
  RgbPalette grey{};
  for (size_t i = 0; i < grey.size(); ++i) {
    grey[i] = uint8_t(i / 3);
  }
  WritePaletteFile(pal, grey);
  const std::string doc = dir.File("doc.h3l");
  const auto direct = BuiltDef({"--palette", pal, "--dither", frames[0], frames[1], "/"});
  ASSERT_EQ(Build({"--type", "0", "--shadow", "--palette", pal, "--dither", "--save-list", doc,
                   "--no-build", frames[0], frames[1], "/"})
                .status,
            0);
  EXPECT_EQ(BuiltDef({"--list", doc}), direct);
  EXPECT_NE(BuiltDef({"--list", doc, "--no-dither"}), direct);
}

TEST_F(TrueColourCliTest, BadFramesAreRefusedAndNothingIsWritten) {
  const std::string good = dir.Png("good.png", Disc(0));
  const auto bytes = ReadBytes(good);
  auto file = [&](const std::string& name, const std::vector<uint8_t>& content) {
    const std::string path = dir.File(name);
    testing_support::WriteBytes(path, content);
    return path;
  };
  auto corrupt = bytes;
  corrupt[bytes.size() - 20] ^= 0x55;  // inside the pixel data: its checksum fails
  bmpgen::Png interlaced = Disc(1);
  interlaced.interlaced = true;
  bmpgen::Png animated = Disc(1);
  animated.animated = true;
  bmpgen::Bmp8 few(4, 4);
  few.colours = 16;
  const std::string shortPal = dir.Png("short.png", bmpgen::PalettePng(few));
  const struct {
    std::string frame;
    std::vector<std::string> options;
    std::string why;
  } cases[] = {
      {file("huge.png", WithSize(bytes, 6000, 6000)), {}, "is a PNG of 6000 x 6000 pixels"},
      {file("wide.png", WithSize(bytes, 70000, 1)), {}, "is a PNG of 70000 x 1 pixels"},
      {file("cut.png", {bytes.begin(), bytes.begin() + long(bytes.size() / 2)}),
       {},
       "its PNG data is damaged"},
      {file("corrupt.png", corrupt), {}, "its PNG data is damaged"},
      {dir.Png("interlaced.png", interlaced), {}, "it is an interlaced PNG"},
      {dir.Png("animated.png", animated), {}, "it is an animated PNG"},
      {good, {"--palette", shortPal}, "its colour table has 16 entries"},
  };
  const std::string out = dir.File("out.def");
  for (const auto& c : cases) {
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-o", out, good, c.frame, "/"});
    const auto run = Build(args);
    EXPECT_EQ(run.status, 1) << c.frame;
    const std::string named = c.options.empty() ? c.frame : shortPal;
    EXPECT_NE(run.err.find("\"" + named + "\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.why), std::string::npos) << run.err;
    EXPECT_FALSE(testing_support::FileExists(out)) << c.frame;

    std::vector<std::string> convert = c.options;
    convert.insert(convert.end(), {"-o", dir.File("converted"), good, c.frame});
    EXPECT_EQ(Command(RunConvert, convert).status, 1) << c.frame;
    EXPECT_FALSE(testing_support::FileExists(dir.File("converted/good.bmp"))) << c.frame;
  }
}

TEST_F(TrueColourCliTest, ConvertNeverWritesOverItsFrames) {
  bmpgen::Bmp8 drawn(4, 4, 9);
  const std::string frame = dir.Bmp("frame.bmp", drawn);
  const auto run = Command(RunConvert, {"--force", "-o", dir.path(), frame});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("is one of the frames"), std::string::npos) << run.err;
  const auto twice =
      Command(RunConvert, {"-o", dir.File("out"), frame, dir.Png("frame.png", Disc(0))});
  EXPECT_NE(twice.err.find("two frames would be written as \"frame.bmp\""), std::string::npos)
      << twice.err;
  EXPECT_EQ(Command(RunConvert, {"-o", dir.File("out")}).status, kExitUsage);
}

}  // namespace
}  // namespace kelvane::cli
