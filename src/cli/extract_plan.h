// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "base/checked_size.h"
#include "defread/def_file.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

// One BMP that extract writes: the frame it shows and its file name.
struct ExtractedFile {
  std::string name;
  size_t group = 0;
  size_t frame = 0;
};

// What extract writes and the DefList that rebuilds the DEF from it.
struct ExtractPlan {
  std::vector<ExtractedFile> files;
  // Frame paths relative to the folder; the output name is the DEF's name.
  FrameDocument document;
  // Why the document cannot rebuild the DEF byte for byte, as far as the DEF
  // itself shows it; empty when nothing speaks against it.
  std::vector<std::string> reasons;
  // The size of all BMP files together, kSizeOverflow when it does not fit
  // in 64 bits.
  SizeSum bmpBytes;
};

// Plans the extraction of every frame of `def`, checking each frame's data
// on the way (an Error for a damaged one). Frames with one name and blocks of
// the same bytes share one file, as a frame listed twice does; others get
// unique names. Takes time linear in the file's size and its frames. `defName` is the name the
// DefList builds to, `listName` the DefList's own; no frame takes either.
ExtractPlan PlanExtraction(const DefFile& def, const std::string& defName,
                           const std::string& listName);

}  // namespace kelvane::cli
