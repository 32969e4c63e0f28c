// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora of the fuzz targets into FOLDER/NAME, one folder per
// target, from our own picture generator and DefList writer.
//   kelvane-fuzz-seeds FOLDER

#include <sys/stat.h>

#include <cmath>
#include <fstream>
#include <iostream>

#include "bmpgen/bmp_writer.h"
#include "bmpgen/png_writer.h"
#include "framelist/deflist_writer.h"
#include "fuzz_input.h"
#include "hostile/hostile_files.h"

namespace {

using kelvane::fuzz::EncodeFrameCase;

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path);
  }
}

// A figure of literal colours with an edge of the special ones, on transparency.
bmpgen::Bmp8 Figure(int width, int height) {
  bmpgen::Bmp8 frame(width, height);
  frame.SetGreyPalette();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double dx = (x - width / 2.0) / (width / 3.0 + 1);
      const double dy = (y - height / 2.0) / (height / 3.0 + 1);
      const double r = dx * dx + dy * dy;
      frame.At(x, y) = r < 0.8 ? uint8_t(60 + (x + y) % 90) : r < 1 ? uint8_t(1 + x % 7) : 0;
    }
  }
  return frame;
}

std::vector<uint8_t> PixelsOf(const bmpgen::Bmp8& frame) {
  return frame.pixels;
}

void BmpSeeds(const std::string& folder) {
  auto odd = Figure(37, 29);
  Write(folder + "/figure.bmp", bmpgen::EncodeBmp8(odd));
  odd.topDown = true;
  odd.padding = 0xAA;
  Write(folder + "/top_down.bmp", bmpgen::EncodeBmp8(odd));
  auto few = Figure(32, 32);
  few.colours = 16;
  few.gapBeforePixels = 6;
  few.trailingBytes = 3;
  Write(folder + "/few_colours.bmp", bmpgen::EncodeBmp8(few));
  Write(folder + "/one_pixel.bmp", bmpgen::EncodeBmp8(bmpgen::Bmp8(1, 1, 9)));
}

void DefListSeeds(const std::string& folder) {
  kelvane::FrameDocument document;
  document.list.Append("C:\\art\\walk01.bmp");
  document.list.Append("/frames/walk02.bmp", true);
  document.list.Append(kelvane::kGroupSeparator);
  document.list.Append(kelvane::kGroupSeparator);
  document.list.Append("runner10.bmp");
  document.list.Append(kelvane::kGroupSeparator);
  document.numbers[0] = 3;
  document.numbers[1] = 200;
  document.settings.fixedSize = true;
  document.settings.shadow = true;
  const std::string text = kelvane::DefListText(document.settings, document.list, document.numbers);
  std::vector<uint8_t> withHeader = {1};
  withHeader.insert(withHeader.end(), text.begin(), text.end());
  Write(folder + "/with_header", withHeader);
  // The list lines alone, with old-style ends ("p7+", "p+") and a bare LF.
  const std::string lines = "a.bmp\r\nb.bmp7+\r\nc.bmp+\nd.bmp12+\r\n" + kelvane::kGroupSeparator;
  std::vector<uint8_t> listOnly = {0};
  listOnly.insert(listOnly.end(), lines.begin(), lines.end());
  Write(folder + "/list_only", listOnly);
}

// A choice byte (even: a frame, odd: a palette), then the file's bytes.
void WriteChoice(const std::string& path, uint8_t choice, const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> input{choice};
  input.insert(input.end(), bytes.begin(), bytes.end());
  Write(path, input);
}

// Small pictures of each kind the frame readers take, and palettes.
void FrameReaderSeeds(const std::string& folder) {
  const bmpgen::Bmp8 figure = Figure(12, 9);
  std::vector<uint8_t> rgba;
  for (size_t i = 0; i < figure.pixels.size(); ++i) {
    const uint8_t v = figure.pixels[i];
    rgba.insert(rgba.end(), {v, uint8_t(v * 3), uint8_t(255 - v), uint8_t(v == 0 ? 0 : 255)});
  }
  bmpgen::Png png = bmpgen::RgbaPng(12, 9, rgba);
  WriteChoice(folder + "/rgba.png", 0, bmpgen::EncodePng(png));
  png.kind = bmpgen::Png::Kind::Palette;
  png.samples.assign(figure.pixels.begin(), figure.pixels.end());
  png.palette.assign(256, {1, 2, 3});
  WriteChoice(folder + "/palette.png", 0, bmpgen::EncodePng(png));
  png.kind = bmpgen::Png::Kind::GreyAlpha;
  png.bitDepth = 16;
  png.samples.assign(figure.pixels.size() * 2, 40000);
  WriteChoice(folder + "/grey16.png", 0, bmpgen::EncodePng(png));
  WriteChoice(folder + "/rgba32.bmp", 0,
              bmpgen::EncodeTrueColourBmp(12, 9, rgba, bmpgen::TrueColourBmp::Bits32AlphaMask));
  WriteChoice(folder + "/rgb24.bmp", 0,
              bmpgen::EncodeTrueColourBmp(12, 9, rgba, bmpgen::TrueColourBmp::Bits24));
  std::string jasc = "JASC-PAL\r\n0100\r\n256\r\n";
  std::string gimp = "GIMP Palette\nName: seed\n# comment\n";
  for (int i = 0; i < 256; ++i) {
    jasc += std::to_string(i) + " 0 " + std::to_string(255 - i) + "\r\n";
    gimp += std::to_string(i) + " 9 9\tEntry\n";
  }
  WriteChoice(folder + "/jasc.pal", 1, {jasc.begin(), jasc.end()});
  WriteChoice(folder + "/gimp.gpl", 1, {gimp.begin(), gimp.end()});
}

void FrameSeeds(const std::string& folder) {
  const auto figure = PixelsOf(Figure(45, 40));
  const auto tile = PixelsOf(Figure(32, 32));
  // Flags: 1 shadow, 2 outline, 4 checked, 8 fixed size, 16 x, 32 y, 64 top-down, 128 few colours.
  Write(folder + "/format0", EncodeFrameCase(0, 0, 32, 32, tile));
  Write(folder + "/format1_shadow_outline", EncodeFrameCase(1, 1 | 2 | 4, 45, 40, figure));
  Write(folder + "/format1_fixed_offsets", EncodeFrameCase(1, 1 | 8 | 16 | 32, 45, 40, figure));
  Write(folder + "/format2", EncodeFrameCase(2, 64, 45, 40, figure));
  Write(folder + "/format3_shadow", EncodeFrameCase(3, 1 | 128, 45, 40, figure));
  Write(folder + "/format3_fixed", EncodeFrameCase(3, 8 | 16, 45, 40, figure));
}

// A few small DEFs of the kinds people make to harm the reading commands.
void DefSeeds(const std::string& folder) {
  hostile::DefAssembler groups;
  const size_t dot = groups.AddBlock(hostile::RawFrame(3, 2, 9));
  groups.AddGroup(0, {{"walk0001.pcx", dot}, {"walk0001.pcx", dot}});
  groups.AddGroup(1, {{"\xCD\xCD"
                       "fr_001.pcx",
                       groups.AddBlock(hostile::EmptyFrame(16, 8))}});
  Write(folder + "/groups", groups.Bytes());
  Write(folder + "/one_name", hostile::OneNameDef(3));
  Write(folder + "/safe_name", hostile::SameSafeNameDef(3));
  Write(folder + "/shared", hostile::SharedFrameDef(3, 16));
  Write(folder + "/wrapping_sheet", hostile::WrappingSheetDef());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: kelvane-fuzz-seeds FOLDER\n";
    return 2;
  }
  const std::string root = argv[1];
  try {
    ::mkdir(root.c_str(), 0755);
    const std::pair<const char*, void (*)(const std::string&)> corpora[] = {
        {"bmp-reader", BmpSeeds},
        {"deflist-reader", DefListSeeds},
        {"compile-frame", FrameSeeds},
        {"def-commands", DefSeeds},
        {"frame-reader", FrameReaderSeeds}};
    for (const auto& [name, make] : corpora) {
      const std::string folder = root + "/" + name;
      ::mkdir(folder.c_str(), 0755);
      make(folder);
    }
  } catch (const std::exception& error) {
    std::cerr << "kelvane-fuzz-seeds: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
