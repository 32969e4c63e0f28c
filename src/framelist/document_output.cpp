// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/document_output.h"

namespace kelvane {

namespace {

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

// Rooted ("/x", "\x") or with a drive ("C:x"), on this system or the one
// the document may have been written on.
bool IsAbsolute(const std::string& path) {
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return (!path.empty() && IsSeparator(path[0])) || drive;
}

bool ClimbsOut(const std::string& path) {
  size_t start = 0;
  for (size_t at = 0; at <= path.size(); ++at) {
    if (at == path.size() || IsSeparator(path[at])) {
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
  if (!IsAbsolute(outputName) && !ClimbsOut(outputName)) {
    return std::nullopt;
  }
  return "The document's output name \"" + outputName + "\" " +
         (IsAbsolute(outputName) ? "is an absolute path" : "climbs out with \"..\"") +
         ": a DefList writes its DEF only inside its own folder";
}

std::optional<std::string> DocumentOutputRefusal(const WindowSettings& settings) {
  if (settings.documentOutputName.empty() || settings.outputName != settings.documentOutputName) {
    return std::nullopt;
  }
  return DocumentOutputRefusal(settings.outputName);
}

}  // namespace kelvane
