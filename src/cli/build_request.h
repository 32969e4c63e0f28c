// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framelist/deflist_reader.h"
#include "framelist/frame_document.h"
#include "framelist/group_numbers.h"
#include "framelist/window_settings.h"

namespace kelvane::cli {

// An option that sets one of the window's controls, as given.
struct GivenSetting {
  std::string option;
  std::string value;  // empty for a flag
};

// What a `build` command line asks for.
struct BuildRequest {
  // The settings options in command-line order; applied over the window's
  // defaults, or over a document's settings, which they override.
  std::vector<GivenSetting> settings;
  std::vector<std::string> entries;   // BMP paths and separators
  std::vector<int> checkedPositions;  // 1-based
  std::optional<GroupNumbers> groupNumbers;
  // --list: the DefList documents (or folders of them) to build; ENTRY
  // arguments given with --list are more of them.
  std::vector<std::string> lists;
  std::optional<std::string> listPath;  // the document this build reads
  DefListType listType = DefListType::WithHeader;
  std::optional<std::string> saveListPath;
  unsigned jobs = 0;      // -j: frames (or documents) worked on at once; 0 one per core
  bool failFast = false;  // a batch stops at its first failure
  // --palette FILE, or --no-palette (empty), over a document's reference palette.
  std::optional<std::string> referencePalette;
  std::optional<bool> dither;  // --dither, --no-dither
  bool noBuild = false;
  bool quiet = false;
  bool answerYes = false;
  bool json = false;  // a summary for scripts on stdout in place of the line
  bool help = false;
  bool version = false;

  bool Gave(const std::string& option) const;
  // `base` with the given settings applied over it.
  WindowSettings SettingsOver(WindowSettings base) const;
  // `base` with --palette and --dither applied over it.
  FrameColourOptions ColoursOver(FrameColourOptions base) const;
};

// Parses the arguments after "build"; returns an error text for a usage error.
std::optional<std::string> ParseBuildArguments(const std::vector<std::string>& args,
                                               BuildRequest& request);

// Usage error text when a --check position is past the end of `entryCount` entries.
std::optional<std::string> CheckPositionsFit(const BuildRequest& request, size_t entryCount);

}  // namespace kelvane::cli
