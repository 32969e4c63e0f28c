// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/build_request.h"
#include "framelist/frame_document.h"
#include "framelist/group_numbers.h"
#include "framelist/window_settings.h"

namespace kelvane::cli {

// Reads the document of --list into `document`: its list and group numbers,
// and its settings lines applied over the document's settings as the window
// applies them. Relative frame paths and a relative reference palette are
// taken relative to the document's folder, as the window does by making that
// folder the current one. Throws the system's error.
void ReadListDocument(const BuildRequest& request, FrameDocument& document);

// Where the DEF goes: -o as given; else, for a document with settings lines,
// its output name taken relative to the document's folder, refused when it
// leaves that folder; else the output name of the settings ("Temp.def" in the
// current folder).
std::string OutputPathFor(const BuildRequest& request, const WindowSettings& settings);

// Writes the document of --save-list for what the command describes, with
// settings.outputName as the output name. Frame paths, the output name and
// the reference palette are written as they name the same files from the
// document's folder: relative when they lie under it, absolute otherwise (an
// output outside the folder then needs -o when the document is built).
void WriteListDocument(const std::string& path, FrameDocument document);

}  // namespace kelvane::cli
