// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/document_output.h"

#include "base/path_parts.h"

namespace kelvane {

namespace {

bool ClimbsOut(const std::string& path) {
  size_t start = 0;
  for (size_t at = 0; at <= path.size(); ++at) {
    if (at == path.size() || IsPathSeparator(path[at])) {
      if (path.compare(start, at - start, "..") == 0) {
        return true;
      }
      start = at + 1;
    }
  }
  return false;
}

}  // namespace

std::optional<std::string> DocumentOutputRefusal(const std::string& outputName) {
  const bool absolute = !outputName.empty() && !IsRelativePath(outputName);
  if (!absolute && !ClimbsOut(outputName)) {
    return std::nullopt;
  }
  return "The document's output name \"" + outputName + "\" " +
         (absolute ? "is an absolute path" : "climbs out with \"..\"") +
         ": a DefList writes its DEF only inside its own folder";
}

std::optional<std::string> DocumentOutputRefusal(const WindowSettings& settings) {
  if (settings.documentOutputName.empty() || settings.outputName != settings.documentOutputName) {
    return std::nullopt;
  }
  return DocumentOutputRefusal(settings.outputName);
}

}  // namespace kelvane
