// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ui/user_dialogs.h"

namespace kelvane::ui {

// Splits a filter text of label and pattern pairs ("BMP Files|*.BMP|All Types|*.*").
std::vector<FileFilter> ParseFilters(const std::string& pairs);

// The places whose dialogs share a folder: frames, DefLists, DEF outputs,
// DEFs to view and frames saved as PNG.
inline constexpr const char* kFramesPlace = "frames";
inline constexpr const char* kListsPlace = "lists";
inline constexpr const char* kOutputPlace = "output";
inline constexpr const char* kDefsPlace = "defs";
inline constexpr const char* kPngPlace = "png";

// The dialogs of the main window, as the user meets them.
OpenFilesRequest AddFilesRequest(int filterIndex);
OpenFilesRequest LoadDefListRequest();
OpenFilesRequest ReferencePaletteRequest();
SaveFileRequest OutputFileRequest();
SaveFileRequest SaveDefListRequest();

}  // namespace kelvane::ui
