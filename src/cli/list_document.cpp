// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_document.h"

#include <filesystem>

#include "base/errors.h"
#include "base/path_parts.h"
#include "framelist/deflist_header.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "framelist/document_output.h"

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
  if (const auto refusal = DocumentOutputRefusal(settings.outputName)) {
    ThrowInputError(*refusal, *request.listPath);
  }
  return RelativeTo(SplitPath(*request.listPath).folder, settings.outputName);
}

// The output name as a build of the document at `documentPath` takes it:
// relative to the document's folder when it lies in it or below, else absolute
// (a document may not name a DEF outside its folder: building it then needs -o).
std::string OutputNameFor(const std::string& documentPath, const std::string& outputName) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(Absolute(documentPath)).lexically_normal().parent_path();
  const fs::path output = fs::path(Absolute(outputName)).lexically_normal();
  const std::string relative = output.lexically_relative(folder).string();
  const bool inside = !relative.empty() && !DocumentOutputRefusal(relative);
  return inside ? relative : output.string();
}

void WriteListDocument(const std::string& path, FrameDocument document) {
  ChangeFramePaths(document.list, Absolute);
  document.settings.outputName = OutputNameFor(path, document.settings.outputName);
  SaveDefList(path, document);
}

}  // namespace kelvane::cli
