// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "framelist/frame_list.h"
#include "framelist/group_numbers.h"
#include "framelist/window_settings.h"

namespace kelvane {

// How frames that bring no 8-bit palette get their colours: what a document
// keeps beyond the window's controls.
struct FrameColourOptions {
  // A palette file (8-bit BMP, palette PNG, JASC-PAL or GIMP) for the DEF;
  // empty: the list's first 8-bit frame's, else one made for the list.
  std::string referencePalette;
  bool dither = false;  // error diffusion when true-colour frames are mapped
};

// Everything a DefList document stores and a compilation reads: the frame
// list with its check marks, the group numbers and the window's settings,
// the output name among them. The window, the command-line builder and the
// DefList reader and writer share it.
struct FrameDocument {
  FrameList list;
  GroupNumbers numbers{};
  WindowSettings settings = StartSettings();
  FrameColourOptions colours;
  // The folder that relative frame paths and a relative output name are
  // taken from: the window's folder last browsed, absolute. Empty: the
  // process's current folder, as on the command line.
  std::string folder;
};

}  // namespace kelvane
