// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/document_paths.h"

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

}  // namespace

std::string FileOf(const FrameDocument& document, const std::string& path) {
  return PathFrom(document.folder, path);
}

void ResolveFramePaths(FrameList& list, const std::string& folder) {
  ChangeFramePaths(list, [&folder](const std::string& path) { return PathFrom(folder, path); });
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
  ChangeFramePaths(moved.list, from);
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
