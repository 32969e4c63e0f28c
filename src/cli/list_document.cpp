// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_document.h"

#include <filesystem>

#include "base/errors.h"
#include "base/path_parts.h"
#include "framelist/deflist_header.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"

namespace kelvane::cli {

namespace {

bool IsRelative(const std::string& path) {
  return !path.empty() && path[0] != '/';
}

std::string RelativeTo(const std::string& folderPrefix, const std::string& path) {
  return IsRelative(path) ? folderPrefix + path : path;
}

std::string Absolute(const std::string& path) {
  std::error_code error;
  const std::string current = std::filesystem::current_path(error).string();
  return IsRelative(path) && !error ? current + "/" + path : path;
}

template <typename Change>
void ChangeFramePaths(FrameList& list, Change change) {
  for (size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSeparator(i)) {
      list.SetText(i, change(list.Text(i)));
    }
  }
}

}  // namespace

void ReadListDocument(const BuildRequest& request, FrameDocument& document) {
  const std::string& path = *request.listPath;
  LoadDefList(path, request.listType, document);
  const std::string folder = SplitPath(path).folder;
  ChangeFramePaths(document.list,
                   [&folder](const std::string& frame) { return RelativeTo(folder, frame); });
  std::string& palette = document.colours.referencePalette;
  if (!palette.empty()) {
    palette = RelativeTo(folder, palette);
  }
}

std::string OutputPathFor(const BuildRequest& request, const WindowSettings& settings) {
  const bool fromDocument = request.listPath && request.listType == DefListType::WithHeader;
  if (request.Gave("-o") || !fromDocument) {
    return settings.outputName;
  }
  if (settings.outputName.find('\\') != std::string::npos) {
    // Written on another system: as a name here it would make a file named
    // after the whole path.
    ThrowInputError("The document's output name \"" + settings.outputName +
                        "\" is not a path on this system; give -o",
                    *request.listPath);
  }
  return RelativeTo(SplitPath(*request.listPath).folder, settings.outputName);
}

void WriteListDocument(const std::string& path, FrameDocument document) {
  ChangeFramePaths(document.list, Absolute);
  document.settings.outputName = Absolute(document.settings.outputName);
  if (!document.colours.referencePalette.empty()) {
    document.colours.referencePalette = Absolute(document.colours.referencePalette);
  }
  SaveDefList(path, document);
}

}  // namespace kelvane::cli
