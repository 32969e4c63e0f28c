// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/def_palette.h"

#include "base/errors.h"
#include "prepare/palette_file.h"
#include "prepare/shared_palette.h"

namespace kelvane {

const RgbPalette kDefaultSpecialColours = {
    0,   255, 255,  // 0 transparent
    255, 150, 255,  // 1
    255, 100, 255,  // 2
    255, 50,  255,  // 3
    255, 0,   255,  // 4 shadow
    255, 255, 0,    // 5 selection outline
    180, 0,   255,  // 6
    0,   255, 0,    // 7
};

PalettePlan PlanDefPalette(const std::vector<std::string>& frames, const std::string& reference) {
  if (!reference.empty()) {
    return {PaletteSource::ReferenceFile, reference};
  }
  for (const std::string& frame : frames) {
    if (ReadFrameInfo(frame).colours == FrameColours::Indexed) {
      return {PaletteSource::FirstIndexedFrame, frame};
    }
  }
  return {PaletteSource::Shared, {}};
}

std::string DescribePalette(const PalettePlan& plan) {
  switch (plan.source) {
    case PaletteSource::ReferenceFile:
      return "palette: the reference " + plan.path;
    case PaletteSource::FirstIndexedFrame:
      return "palette: the colour table of " + plan.path;
    case PaletteSource::Shared:
      break;
  }
  return "palette: made for these true-colour frames";
}

std::string DescribeDefPalette(const std::vector<std::string>& frames,
                               const std::string& reference) {
  if (frames.empty() && reference.empty()) {
    return "palette: none yet, the list has no frame";
  }
  try {
    return DescribePalette(PlanDefPalette(frames, reference));
  } catch (const Error& error) {
    return std::string("palette: not known while a frame cannot be read (") + error.what() + ")";
  }
}

RgbPalette MakeDefPalette(const PalettePlan& plan, const std::vector<std::string>& frames,
                          const std::function<void()>& afterFrame) {
  switch (plan.source) {
    case PaletteSource::ReferenceFile:
      return ReadReferencePalette(plan.path);
    case PaletteSource::FirstIndexedFrame:
      return BuildRgbPalette(ReadFrameInfo(plan.path).palette);
    case PaletteSource::Shared:
      break;
  }
  SharedPaletteBuilder builder(kDefaultSpecialColours);
  BmpImage unused;
  RgbaImage frame;
  for (const std::string& path : frames) {
    // Every frame is true colour, or the plan would have taken its palette.
    if (LoadFrameFile(path, unused, frame) == FrameColours::TrueColour) {
      builder.Add(frame);
    }
    if (afterFrame) {
      afterFrame();
    }
  }
  return builder.Finish();
}

ColourMapping DefColourMapping(const std::vector<std::string>& frames, const std::string& reference,
                               bool dither, const std::function<void()>& afterFrame) {
  return {MakeDefPalette(PlanDefPalette(frames, reference), frames, afterFrame), dither};
}

void LoadDefFrame(const std::string& path, const ColourMapping& mapping, BmpImage& out,
                  RgbaImage& trueColour) {
  if (LoadFrameFile(path, out, trueColour) == FrameColours::TrueColour) {
    const FileIdentity source = out.source;
    MapTrueColourFrame(trueColour, mapping, out);
    out.source = source;
  }
}

}  // namespace kelvane
