// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/deflist_extras.h"

#include "base/errors.h"
#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

constexpr char kEndOfFile = '\x1A';
const std::string kPaletteKey = "Kelvane-Palette: ";
const std::string kDitherKey = "Kelvane-Dither: ";

}  // namespace

std::string DefListExtrasText(const FrameColourOptions& colours) {
  std::string text;
  if (!colours.referencePalette.empty()) {
    if (colours.referencePalette.find_first_of("\r\n\x1A") != std::string::npos) {
      ThrowInputError("\"" + colours.referencePalette +
                      "\" cannot be saved in a DefList: it holds a CR, an LF or a character 26");
    }
    text += kPaletteKey + colours.referencePalette + "\r\n";
  }
  if (colours.dither) {
    text += kDitherKey + text::kTrue + "\r\n";
  }
  return text.empty() ? text : kEndOfFile + text;
}

FrameColourOptions ReadDefListExtras(const std::string& bytes) {
  FrameColourOptions colours;
  const size_t end = bytes.find(kEndOfFile);
  if (end == std::string::npos) {
    return colours;
  }
  size_t at = end + 1;
  while (at < bytes.size()) {
    size_t lineEnd = bytes.find('\n', at);
    if (lineEnd == std::string::npos) {
      lineEnd = bytes.size();
    }
    std::string line = bytes.substr(at, lineEnd - at);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.compare(0, kPaletteKey.size(), kPaletteKey) == 0) {
      colours.referencePalette = line.substr(kPaletteKey.size());
    } else if (line.compare(0, kDitherKey.size(), kDitherKey) == 0) {
      colours.dither = line.substr(kDitherKey.size()) == text::kTrue;
    }
    at = lineEnd + 1;
  }
  return colours;
}

}  // namespace kelvane
