// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_document.h"

#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"
#include "framelist/deflist_header.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"

namespace kelvane::cli {

namespace {

std::string RelativeTo(const std::string& folderPrefix, const std::string& path) {
  return IsRelativePath(path) ? folderPrefix + path : path;
}

std::string Absolute(const std::string& path) {
  const std::string current = IsRelativePath(path) ? CurrentFolder() : std::string();
  return current.empty() ? path : JoinPath(current, path);
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
}

std::string OutputPathFor(const BuildRequest& request, const WindowSettings& settings) {
  const bool fromDocument = request.listPath && request.listType == DefListType::WithHeader;
  if (request.Gave("-o") || !fromDocument) {
    return settings.outputName;
  }
  if (settings.outputName.find('\\') != std::string::npos && !IsPathSeparator('\\')) {
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
  SaveDefList(path, document);
}

}  // namespace kelvane::cli
