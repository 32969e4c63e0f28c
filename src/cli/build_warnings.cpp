// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_warnings.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include "base/path_parts.h"
#include "base/verbatim_texts.h"
#include "cli/width_warnings.h"
#include "compiler/def_format.h"
#include "compiler/frame_naming.h"

namespace kelvane::cli {

namespace {

// A long list of numbered frames can collide on every frame: name a few.
constexpr size_t kCollisionsNamed = 5;

// The settings options and the frame formats whose encoders read them.
struct FormatUse {
  const char* option;
  bool WindowSettings::*setting;
  std::vector<int32_t> formats;
};

const std::vector<FormatUse>& FormatUses() {
  static const std::vector<FormatUse> uses = {
      {"--shadow", &WindowSettings::shadow, {1, 3}},
      {"--outline", &WindowSettings::outline, {1}},
      {"--x", &WindowSettings::useX, {1, 3}},
      {"--y", &WindowSettings::useY, {1, 3}},
  };
  return uses;
}

bool Uses(const std::vector<int32_t>& formats, int32_t format) {
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

std::string Displayed(const FrameName& name) {
  std::string text;
  for (const uint8_t byte : name) {
    if (byte == 0) {
      break;
    }
    if (byte != 0xCD) {  // the filler in front of 9 to 11 character names
      text += char(byte);
    }
  }
  return text;
}

void TypeWarnings(const BuildRequest& request, const FrameDocument& document,
                  std::vector<std::string>& warnings) {
  const WindowSettings& settings = document.settings;
  if (settings.typeIndex < 0 || settings.typeIndex >= int(kFrameFormatByType.size())) {
    return;
  }
  const int32_t format = kFrameFormatByType[size_t(settings.typeIndex)];
  const std::string type = "Type " + std::to_string(settings.typeIndex) + " (frame format " +
                           std::to_string(format) + ")";
  for (const FormatUse& use : FormatUses()) {
    if (request.Gave(use.option) && settings.*use.setting && !Uses(use.formats, format)) {
      warnings.push_back(std::string(use.option) + " changes nothing with " + type);
    }
  }
  if (format != 1) {
    if (!request.checkedPositions.empty()) {
      warnings.push_back("--check changes nothing with " + type + ": only format 1 outlines");
    }
    return;
  }
  const FrameList& list = document.list;
  bool anyChecked = false;
  for (size_t i = 0; i < list.Count(); ++i) {
    anyChecked = anyChecked || (list.Checked(i) && !list.IsSeparator(i));
  }
  if (settings.outline && !anyChecked) {
    warnings.push_back(
        "the outline is drawn on checked frames only, and none is checked"
        " (give --check)");
  }
}

void SeparatorCheckWarnings(const BuildRequest& request, const FrameList& list,
                            std::vector<std::string>& warnings) {
  for (const int position : request.checkedPositions) {
    if (size_t(position) <= list.Count() && list.IsSeparator(size_t(position - 1))) {
      warnings.push_back("--check " + std::to_string(position) +
                         " is a group separator: check marks act on frames only");
    }
  }
}

void NameCollisionWarnings(const FrameDocument& document, std::vector<std::string>& warnings) {
  const FrameList& list = document.list;
  std::map<FrameName, std::string> firstWithName;
  std::set<std::pair<std::string, std::string>> told;
  size_t untold = 0;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (list.IsSeparator(i)) {
      continue;
    }
    const std::string& path = list.Text(i);
    const FrameName name = MakeFrameName(path, document.settings.nameMask);
    const auto [found, added] = firstWithName.emplace(name, path);
    if (added || found->second == path || !told.insert({found->second, path}).second) {
      continue;
    }
    if (told.size() > kCollisionsNamed) {
      ++untold;
      continue;
    }
    warnings.push_back(Quoted(found->second) + " and " + Quoted(path) +
                       " both get the frame name " + Displayed(name) + " in the DEF");
  }
  if (untold > 0) {
    warnings.push_back(std::to_string(untold) +
                       " more frames get a name that another frame has (see --mask)");
  }
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool StartsWithBmpSignature(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char signature[2] = {};
  return file.read(signature, 2) && signature[0] == 'B' && signature[1] == 'M';
}

std::optional<std::string> OutputHint(const std::string& output, const std::string& path) {
  if (path != output) {
    return std::nullopt;
  }
  if (IsFolder(output)) {
    return "-o " + Quoted(output) + " is a folder: name the DEF file in it, e.g. " +
           (output.back() == '/' ? output : output + "/") + "out.def";
  }
  const std::string folder = SplitPath(output).folder;
  if (!folder.empty() && !IsFolder(folder)) {
    return "the folder " + Quoted(folder) +
           " does not exist: create it, or give -o a path in a"
           " folder that does";
  }
  return std::nullopt;
}

std::optional<std::string> ListHint(const FrameList& list, const std::string& message,
                                    const std::string& path) {
  const bool separatorRead =
      path == kGroupSeparator || message.rfind(text::kListIndexBefore, 0) == 0;
  if (list.IsEmpty() || !list.IsSeparator(0) || !separatorRead) {
    return std::nullopt;
  }
  if (list.SeparatorCount() == list.Count()) {
    return std::string("the list holds group separators (/) only: put BMP frames before each /");
  }
  return std::string(
      "the list starts with a group separator (/): the first entry must be a BMP"
      " frame, whose size and palette the DEF takes");
}

std::optional<std::string> DocumentHint(const BuildRequest& request, const FrameList& list,
                                        const std::string& message, const std::string& path) {
  if (!request.listPath) {
    return std::nullopt;
  }
  const std::string& document = *request.listPath;
  if (path == document && message.rfind("The document's output name ", 0) == 0) {
    return "give -o with the DEF's path to write it outside the document's folder";
  }
  if (path == document && message == text::kInvalidNumericInput) {
    if (StartsWithBmpSignature(document)) {
      return Quoted(document) + " is a BMP frame, not a DefList: give it without --list";
    }
    return Quoted(document) +
           " is not a DefList with settings lines (its first lines must be"
           " numbers); --list-type 1 reads a list without them";
  }
  if (path.empty() && message == text::kInvalidFilename) {
    for (size_t i = 0; i < list.Count(); ++i) {
      if (!list.IsSeparator(i) && !list.Text(i).empty()) {
        return Quoted(document) + " has an empty list line, read as a frame without a name";
      }
    }
    return Quoted(document) + " lists no frames: is it empty?";
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> BuildWarnings(const BuildRequest& request, const FrameDocument& document) {
  std::vector<std::string> warnings;
  TypeWarnings(request, document, warnings);
  SeparatorCheckWarnings(request, document.list, warnings);
  NameCollisionWarnings(document, warnings);
  if (request.saveListPath && !request.checkedPositions.empty()) {
    warnings.push_back("a DefList keeps no check marks: " + Quoted(*request.saveListPath) +
                       " is saved without those of --check");
  }
  for (auto& warning : MapObjectWidthWarnings(document.settings, document.list)) {
    warnings.push_back(std::move(warning));
  }
  return warnings;
}

std::vector<std::string> FailureHints(const BuildRequest& request, const FrameDocument& document,
                                      const std::string& message, const std::string& path) {
  std::vector<std::string> hints;
  for (auto hint :
       {OutputHint(document.settings.outputName, path), ListHint(document.list, message, path),
        DocumentHint(request, document.list, message, path)}) {
    if (hint) {
      hints.push_back(*hint);
    }
  }
  if (hints.empty() && !path.empty() && path != document.settings.outputName && IsFolder(path)) {
    hints.push_back(Quoted(path) + " is a folder, not a BMP frame: give the BMP files in it");
  }
  return hints;
}

}  // namespace kelvane::cli
