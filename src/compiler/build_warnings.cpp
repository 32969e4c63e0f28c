// SPDX-License-Identifier: GPL-3.0-or-later
// Warnings before a build: what the settings ask for that the build will not do.

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "base/errors.h"
#include "base/frame_file.h"
#include "base/int_text.h"
#include "compiler/advice_words.h"
#include "compiler/build_advice.h"
#include "compiler/def_format.h"
#include "compiler/frame_naming.h"

namespace kelvane {

namespace {

using advice::Fill;
using advice::Quoted;

// A long list of numbered frames can collide on every frame: name a few.
constexpr size_t kCollisionsNamed = 5;

// The options each frame format reads.
struct FormatUse {
  AdvisedOption option;
  std::string AdviceTerms::*name;
  bool WindowSettings::*setting;
  std::vector<int32_t> formats;
};

const std::vector<FormatUse>& FormatUses() {
  static const std::vector<FormatUse> uses = {
      {AdvisedOption::Shadow, &AdviceTerms::shadow, &WindowSettings::shadow, {1, 3}},
      {AdvisedOption::Outline, &AdviceTerms::outline, &WindowSettings::outline, {1}},
      {AdvisedOption::OffsetX, &AdviceTerms::offsetX, &WindowSettings::useX, {1, 3}},
      {AdvisedOption::OffsetY, &AdviceTerms::offsetY, &WindowSettings::useY, {1, 3}},
  };
  return uses;
}

bool Uses(const std::vector<int32_t>& formats, int32_t format) {
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

std::string Displayed(const FrameName& name) {
  std::string text;
  for (const uint8_t byte : name) {
    if (byte == 0) {
      break;
    }
    if (byte != kNameFiller) {
      text += char(byte);
    }
  }
  return text;
}

void TypeWarnings(const FrameDocument& document, const AdviceTerms& terms,
                  const std::function<bool(AdvisedOption)>& chosen,
                  std::vector<std::string>& warnings) {
  const WindowSettings& settings = document.settings;
  if (settings.typeIndex < 0 || settings.typeIndex >= int(kFrameFormatByType.size())) {
    return;
  }
  const int32_t format = kFrameFormatByType[size_t(settings.typeIndex)];
  const std::string type =
      terms.types[size_t(settings.typeIndex)] + " (frame format " + std::to_string(format) + ")";
  for (const FormatUse& use : FormatUses()) {
    if (settings.*use.setting && !Uses(use.formats, format) && chosen(use.option)) {
      warnings.push_back(terms.*use.name + " changes nothing with " + type);
    }
  }
  const FrameList& list = document.list;
  bool anyMark = false;
  bool anyFrameMarked = false;
  for (size_t i = 0; i < list.Count(); ++i) {
    anyMark = anyMark || list.Checked(i);
    anyFrameMarked = anyFrameMarked || (list.Checked(i) && !list.IsSeparator(i));
  }
  if (format != 1) {
    if (anyMark) {
      warnings.push_back(terms.checkMarksIgnored + " with " + type + ": only format 1 outlines");
    }
  } else if (settings.outline && !anyFrameMarked) {
    warnings.push_back("the outline is drawn on checked frames only, and none is checked (" +
                       terms.giveCheckMarks + ")");
  }
}

void SeparatorCheckWarnings(const FrameList& list, const AdviceTerms& terms,
                            std::vector<std::string>& warnings) {
  for (size_t i = 0; i < list.Count(); ++i) {
    if (list.Checked(i) && list.IsSeparator(i)) {
      warnings.push_back(Fill(terms.checkMarkAt, std::to_string(i + 1)) +
                         " is a group separator: check marks act on frames only");
    }
  }
}

void NameCollisionWarnings(const FrameDocument& document, const AdviceTerms& terms,
                           std::vector<std::string>& warnings) {
  const FrameList& list = document.list;
  // Entries by list index, and the pairs told of by the index of each's
  // first entry: the paths themselves are never copied.
  std::map<FrameName, size_t> firstWithName;
  std::map<std::string_view, size_t> firstWithPath;
  std::set<std::pair<size_t, size_t>> told;
  size_t untold = 0;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (list.IsSeparator(i)) {
      continue;
    }
    const std::string& path = list.Text(i);
    const FrameName name = MakeFrameName(path, document.settings.nameMask);
    const size_t first = firstWithName.emplace(name, i).first->second;
    const std::string& firstPath = list.Text(first);
    if (first == i || firstPath == path ||
        !told.insert({first, firstWithPath.emplace(path, i).first->second}).second) {
      continue;
    }
    if (told.size() > kCollisionsNamed) {
      ++untold;
      continue;
    }
    warnings.push_back(Quoted(firstPath) + " and " + Quoted(path) + " both get the frame name " +
                       Displayed(name) + " in the DEF");
  }
  if (untold > 0) {
    warnings.push_back(std::to_string(untold) +
                       " more frames get a name that another frame has (see " + terms.mask + ")");
  }
}

// Map object rows are decoded as whole 32-pixel blocks, so a frame whose width
// is not a multiple of 32 shows its last block's transparent filler.
const char* const kNotWholeBlocks =
    ", not a multiple of 32: map object rows are decoded in whole 32-pixel blocks";

void FixedWidthWarning(const WindowSettings& settings, std::vector<std::string>& warnings) {
  if (settings.typeIndex != kMapObjectType || !settings.fixedSize) {
    return;
  }
  const auto width = TryParseInt(settings.fixedWidth);
  if (width && *width % kBlockPixels != 0) {
    warnings.push_back("the fixed width is " + std::to_string(*width) + kNotWholeBlocks);
  }
}

// The frames' widths from their headers; files that cannot be read are left
// to the build, which reports them.
std::vector<FrameWidth> ReadFrameWidths(const FrameList& list) {
  std::vector<FrameWidth> frames;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (list.IsSeparator(i)) {
      continue;
    }
    try {
      frames.push_back({list.Text(i), ReadFrameInfo(list.Text(i)).width});
    } catch (const Error&) {
    }
  }
  return frames;
}

}  // namespace

std::vector<std::string> BuildWarnings(const FrameDocument& document, const AdviceTerms& terms,
                                       const std::function<bool(AdvisedOption)>& chosen,
                                       bool readFrames) {
  std::vector<std::string> warnings;
  TypeWarnings(document, terms, chosen, warnings);
  SeparatorCheckWarnings(document.list, terms, warnings);
  NameCollisionWarnings(document, terms, warnings);
  FixedWidthWarning(document.settings, warnings);
  if (readFrames) {
    for (auto& warning : FrameWidthWarnings(document, ReadFrameWidths(document.list))) {
      warnings.push_back(std::move(warning));
    }
  }
  return warnings;
}

void WidthNotingHost::FrameRead(const std::string& bmpPath, int32_t width) {
  if (width % kBlockPixels != 0) {
    oddWidths_.push_back({bmpPath, width});
  }
}

std::vector<std::string> FrameWidthWarnings(const FrameDocument& document,
                                            const std::vector<FrameWidth>& frames) {
  std::vector<std::string> warnings;
  const WindowSettings& settings = document.settings;
  if (settings.typeIndex != kMapObjectType || settings.fixedSize) {
    return warnings;
  }
  std::set<std::string> seen;
  for (const FrameWidth& frame : frames) {
    if (frame.width % kBlockPixels != 0 && seen.insert(frame.bmpPath).second) {
      warnings.push_back(Quoted(frame.bmpPath) + " is " + std::to_string(frame.width) +
                         " pixels wide" + kNotWholeBlocks);
    }
  }
  return warnings;
}

}  // namespace kelvane
