// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/document_paths.h"

#include <algorithm>

#include "base/binary_file.h"
#include "base/path_parts.h"

namespace kelvane {

namespace {

template <typename Change>
void ChangeFramePaths(FrameList& list, Change change) {
  for (size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSeparator(i)) {
      list.SetText(i, change(list.Text(i)));
    }
  }
}

// Documents written on Windows separate folders with '\', which on a system
// of '/' alone is part of a name. A frame path that names no file as written
// names, with '/' for each '\', the file that was meant, when there is one;
// a name holding '\' that names a file stays as it is. Where '\' already
// separates folders both spellings name the same file.
std::string FramePathFrom(const std::string& folder, const std::string& path) {
  std::string resolved = PathFrom(folder, path);
  if (path.find('\\') == std::string::npos || IdentityOfPath(resolved)) {
    return resolved;
  }
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  std::string meant = PathFrom(folder, slashed);
  return IdentityOfPath(meant) ? meant : resolved;
}

}  // namespace

std::string FileOf(const FrameDocument& document, const std::string& path) {
  return PathFrom(document.folder, path);
}

std::string FrameFileOf(const FrameDocument& document, const std::string& path) {
  return FramePathFrom(document.folder, path);
}

void ResolveFramePaths(FrameList& list, const std::string& folder) {
  ChangeFramePaths(list,
                   [&folder](const std::string& path) { return FramePathFrom(folder, path); });
}

FrameDocument ResolvedForBuild(const FrameDocument& document) {
  FrameDocument resolved = document;
  ResolveFramePaths(resolved.list, document.folder);
  resolved.settings.outputName = FileOf(document, document.settings.outputName);
  resolved.colours.referencePalette = FileOf(document, document.colours.referencePalette);
  return resolved;
}

FrameDocument MovedTo(const FrameDocument& document, const std::string& folder, bool outputToo) {
  FrameDocument moved = document;
  const auto from = [&](const std::string& path) {
    return PathWithin(folder, FileOf(document, path));
  };
  ChangeFramePaths(moved.list, [&](const std::string& path) {
    return PathWithin(folder, FrameFileOf(document, path));
  });
  if (!document.colours.referencePalette.empty()) {
    moved.colours.referencePalette = from(document.colours.referencePalette);
  }
  if (outputToo) {
    moved.settings.outputName = from(document.settings.outputName);
  }
  moved.folder = folder;
  return moved;
}

}  // namespace kelvane
