// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ui/user_dialogs.h"

namespace kelvane::ui {

// Splits a filter text of label and pattern pairs ("BMP Files|*.BMP|All Types|*.*").
std::vector<FileFilter> ParseFilters(const std::string& pairs);

// The dialogs of the main window, as the user meets them.
OpenFilesRequest AddFilesRequest(int filterIndex);
OpenFilesRequest LoadDefListRequest();
OpenFilesRequest ReferencePaletteRequest();
SaveFileRequest OutputFileRequest();
SaveFileRequest SaveDefListRequest();

}  // namespace kelvane::ui
