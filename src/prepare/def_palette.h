// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/bmp_frame.h"
#include "base/frame_file.h"
#include "prepare/colour_mapping.h"

namespace kelvane {

// The colours slots 0 to 7 get in a palette made for true-colour frames,
// the key colours sprite artists paint special pixels with: 0 transparent
// cyan, 1 to 3 pinks, 4 the shadow's magenta, 5 the outline's yellow, 6
// violet, 7 green.
extern const RgbPalette kDefaultSpecialColours;  // slots 0 to 7 used, the rest 0

// Where a DEF's palette comes from, in this order of precedence.
enum class PaletteSource {
  ReferenceFile,      // the reference palette given for the list
  FirstIndexedFrame,  // the colour table of the list's first 8-bit frame
  Shared,             // made for the list from all its (true-colour) frames
};

struct PalettePlan {
  PaletteSource source = PaletteSource::Shared;
  std::string path;  // ReferenceFile: the palette file; FirstIndexedFrame: the frame
};

// Which palette a build of `frames` (in list order) takes, from `reference`
// when it is not empty, else from the frames' headers: reads up to the first
// 8-bit frame.
PalettePlan PlanDefPalette(const std::vector<std::string>& frames, const std::string& reference);

// One line for the user: "palette: ...".
std::string DescribePalette(const PalettePlan& plan);

// The same for a list as it stands, for displays that follow the list: says
// so when the list has no frame yet or a frame cannot be read.
std::string DescribeDefPalette(const std::vector<std::string>& frames,
                               const std::string& reference);

// The DEF's palette by the plan: the reference read, the frame's colour
// table, or a shared palette quantised from every frame, calling `afterFrame`
// after each (it may throw to stop).
RgbPalette MakeDefPalette(const PalettePlan& plan, const std::vector<std::string>& frames,
                          const std::function<void()>& afterFrame = {});

// The DEF's palette by PlanDefPalette and MakeDefPalette, with the dithering choice.
ColourMapping DefColourMapping(const std::vector<std::string>& frames, const std::string& reference,
                               bool dither, const std::function<void()>& afterFrame = {});

// Loads one frame as the 8-bit picture the encoders take: an 8-bit BMP or
// palette PNG as it is (indices and colour table), any other frame mapped
// onto the DEF's palette by MapTrueColourFrame. `trueColour` is working
// space. Pure given its arguments: frames may be loaded on several threads,
// each with its own `out` and `trueColour`.
void LoadDefFrame(const std::string& path, const ColourMapping& mapping, BmpImage& out,
                  RgbaImage& trueColour);

}  // namespace kelvane
