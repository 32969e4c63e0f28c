// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "framelist/window_settings.h"

namespace kelvane {

// A DefList names its DEF relative to its own folder, and the name may not
// leave that folder: DefLists travel with other people's frames, and a name
// that is absolute or climbs out with ".." would let a document make a build
// replace any file the user can write. Returns why `outputName`, taken from a
// document, is refused; nullopt when it stays in the document's folder.
std::optional<std::string> DocumentOutputRefusal(const std::string& outputName);

// The same rule for a build from the window's settings: it applies while the
// output name is still the one a loaded document gave (a load that stopped
// half-way keeps it); a name the user typed or chose is the user's own.
std::optional<std::string> DocumentOutputRefusal(const WindowSettings& settings);

}  // namespace kelvane
