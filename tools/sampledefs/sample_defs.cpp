// SPDX-License-Identifier: GPL-3.0-or-later
#include "sampledefs/sample_defs.h"

#include <sys/stat.h>

#include <stdexcept>

#include "base/binary_file.h"
#include "base/replacing_writer.h"
#include "base/little_endian.h"
#include "bmpgen/bmp_writer.h"
#include "compiler/compile_driver.h"
#include "compiler/def_format.h"
#include "compiler/frame_encoders.h"
#include "compiler/frame_naming.h"
#include "compiler/group_numbering.h"
#include "framelist/separators.h"

namespace sampledefs {

namespace {

using kelvane::FrameDocument;
using kelvane::WindowSettings;

class Lcg {
 public:
  explicit Lcg(unsigned seed) : state_(seed) {}
  int Below(int bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return int((state_ >> 8) % unsigned(bound));
  }
  bool OneIn(int n) { return Below(n) == 0; }

 private:
  unsigned state_;
};

class SilentHost : public kelvane::CompileHost {
 public:
  void SetProgress(int) override {}
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskOkCancel(const std::string&, const std::string&) override { return true; }
};

// A figure of colour-index runs, literals and holes on a transparent ground,
// with a transparent margin of random width on each side.
bmpgen::Bmp8 Figure(Lcg& random, int32_t width, int32_t height) {
  bmpgen::Bmp8 frame(width, height);
  for (int i = 0; i < 256; ++i) {
    frame.SetColour(uint8_t(i), uint8_t(i * 7), uint8_t(255 - i), uint8_t(i * 3));
  }
  const int32_t x0 = random.Below(width / 3 + 1);
  const int32_t x1 = width - random.Below(width / 3 + 1);
  const int32_t y0 = random.Below(height / 3 + 1);
  const int32_t y1 = height - random.Below(height / 3 + 1);
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1;) {
      const int kind = random.Below(4);
      const auto index = uint8_t(kind == 0 ? 0 : kind == 1 ? random.Below(8) : random.Below(256));
      const int32_t run = 1 + random.Below(random.OneIn(5) ? 70 : 5);
      for (int32_t i = 0; i < run && x < x1; ++i, ++x) {
        frame.At(x, y) = random.OneIn(4) ? uint8_t(random.Below(256)) : index;
      }
    }
  }
  return frame;
}

// File names of every length the naming rule treats apart: short, 9 to 11
// characters (filler bytes), 12, and longer (cut, so frames share a name).
std::string FrameFileName(int frame) {
  const std::string n = std::to_string(frame);
  switch (frame % 4) {
    case 0:
      return "a" + n + ".bmp";
    case 1:
      return "fr_" + std::string(3 - n.size(), '0') + n + ".bmp";
    case 2:
      return "walk" + std::string(4 - n.size(), '0') + n + ".bmp";
    default:
      return "attackrun" + n + ".bmp";
  }
}

struct Combo {
  int typeIndex = 0;
  bool shadow = false;
  bool outline = false;
  bool fixedSize = false;
  bool offsets = false;
};

std::string Label(const Combo& c, int formatsIndex, int monster) {
  return "type " + std::to_string(c.typeIndex) + ", formats " + std::to_string(formatsIndex) +
         ", monster " + std::to_string(monster) + (c.shadow ? ", shadow" : "") +
         (c.outline ? ", outline" : "") + (c.fixedSize ? ", fixed size" : "") +
         (c.offsets ? ", offsets" : "");
}

void SetNumbering(Lcg& random, int which, FrameDocument& doc) {
  if (which == 0) {
    doc.settings.monsterIndex = -1;
    doc.numbers[0] = uint8_t(random.Below(9));
  } else if (which == 1) {
    doc.settings.monsterIndex = kelvane::kMonsterCustom;
    for (uint8_t& number : doc.numbers) {
      number = uint8_t(random.Below(256));
    }
  } else {
    const int layouts[] = {2, 7, 12};
    doc.settings.monsterIndex = layouts[random.Below(3)];
    doc.numbers[0] = uint8_t(12 + random.Below(5));
  }
}

void ApplyOptions(const Combo& c, int32_t width, int32_t height, WindowSettings& s) {
  s.shadow = c.shadow;
  s.outline = c.outline;
  if (c.fixedSize) {
    s = kelvane::SetFixedSize(s, true);
    s.fixedWidth = std::to_string(c.typeIndex == 0 ? width - 3 : width + 7);
    s.fixedHeight = std::to_string(c.typeIndex == 0 ? height + 5 : height - 2);
  }
  if (c.offsets) {
    s = kelvane::SetUseX(kelvane::SetUseY(s, true), true);
    s.xText = "3";
    s.yText = "-2";
  }
}

// Frames into `folder` and the list of them, split into groups; the first
// frame is listed once more at the end.
void FillList(Lcg& random, const Combo& c, const std::string& folder, int32_t width, int32_t height,
              kelvane::FrameList& list) {
  const int frames = 4 + random.Below(4);
  for (int k = 0; k < frames; ++k) {
    int32_t w = width;
    int32_t h = height;
    if (c.typeIndex == 2 && k > 0) {  // map objects may differ in size
      w = 16 + random.Below(70);
      h = 8 + random.Below(40);
    }
    const std::string path = folder + "/" + FrameFileName(k);
    bmpgen::WriteBmp8(
        path, c.typeIndex == 1 || c.typeIndex == 3 ? Figure(random, 32, 32) : Figure(random, w, h));
    list.Append(path, random.OneIn(2));
    if (k == 1 || (k > 2 && random.OneIn(3))) {
      kelvane::AddSeparator(list);
    }
  }
  list.Append(list.Text(0), list.Checked(0));
}

SampleDef BuildOne(Lcg& random, const Combo& c, int number, const std::string& folder) {
  const std::string dir = folder + "/def" + std::to_string(number);
  ::mkdir(dir.c_str(), 0755);
  SampleDef sample;
  FrameDocument& doc = sample.document;
  doc.settings = kelvane::TypePicked(kelvane::StartSettings(), c.typeIndex);
  const int formatsIndex = number % 10;
  doc.settings = kelvane::FormatsPicked(doc.settings, formatsIndex);
  SetNumbering(random, number % 3, doc);
  const int32_t width = 20 + random.Below(50);
  const int32_t height = 10 + random.Below(40);
  ApplyOptions(c, width, height, doc.settings);
  FillList(random, c, dir, width, height, doc.list);
  sample.path = dir + "/sample.def";
  doc.settings.outputName = sample.path;
  sample.label = Label(c, formatsIndex, doc.settings.monsterIndex);
  sample.plainDriverBuild =
      !c.offsets || c.typeIndex == 1 || c.typeIndex == 3;  // format 0 has no offsets
  kelvane::CompileState state;
  SilentHost host;
  FrameDocument building = doc;
  const auto outcome = kelvane::CreateDefFile(state, building, host);
  if (outcome.status != kelvane::CompileOutcome::Status::Written) {
    throw std::runtime_error(sample.label + ": " + outcome.message);
  }
  doc.list = building.list;  // with the closing separator the driver added
  return sample;
}

// Format 2 has no Type entry: its blocks go into a container written here.
SampleDef BuildFormat2(Lcg& random, const std::string& folder) {
  const std::string dir = folder + "/format2";
  ::mkdir(dir.c_str(), 0755);
  SampleDef sample;
  sample.label = "format 2";
  kelvane::EncoderScratch scratch;
  kelvane::FrameSettings settings;
  std::vector<uint8_t> blocks;
  std::vector<size_t> starts;
  std::vector<std::string> paths;
  for (int k = 0; k < 4; ++k) {
    paths.push_back(dir + "/" + FrameFileName(k));
    bmpgen::WriteBmp8(paths.back(), Figure(random, 20 + random.Below(60), 5 + random.Below(30)));
    sample.document.list.Append(paths.back());
    starts.push_back(blocks.size());
    kelvane::ConverFileBMPtoPCX2(scratch, settings, paths.back(), blocks);
  }
  kelvane::AddSeparator(sample.document.list);
  kelvane::CompileState state;
  kelvane::BmpImage first;
  kelvane::LoadBmpImage(paths[0], first);
  state.defTypeCode = 0x45;
  state.frameWidth = first.width;
  state.frameHeight = first.height;
  state.groupCount = 1;
  state.rgbPalette = kelvane::BuildRgbPalette(first.palette);
  std::vector<uint8_t> def;
  kelvane::AppendDefHeader(state, def);
  kelvane::AppendGroupEntryHead(0, int32_t(paths.size()), def);
  for (const std::string& path : paths) {
    const kelvane::FrameName name = kelvane::MakeFrameName(path, "");
    def.insert(def.end(), name.begin(), name.end());
  }
  const size_t firstBlock = def.size() + 4 * paths.size();
  for (const size_t start : starts) {
    kelvane::PutLe32(def, uint32_t(firstBlock + start));
  }
  def.insert(def.end(), blocks.begin(), blocks.end());
  sample.path = dir + "/sample.def";
  kelvane::ReplacingFileWriter out(sample.path);
  out.Write(def);
  out.Commit();
  return sample;
}

}  // namespace

std::vector<SampleDef> BuildSampleDefs(const std::string& folder, unsigned seed) {
  Lcg random(seed);
  std::vector<SampleDef> samples;
  int number = 0;
  for (int typeIndex = 0; typeIndex < 4; ++typeIndex) {
    for (int options = 0; options < 16; ++options) {
      const Combo c{typeIndex, (options & 1) != 0, (options & 2) != 0, (options & 4) != 0,
                    (options & 8) != 0};
      samples.push_back(BuildOne(random, c, number++, folder));
    }
  }
  samples.push_back(BuildFormat2(random, folder));
  return samples;
}

}  // namespace sampledefs
