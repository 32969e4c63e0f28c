// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list_document.h"

#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"
#include "framelist/deflist_header.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "framelist/document_output.h"
#include "framelist/document_paths.h"

namespace kelvane::cli {

void ReadListDocument(const BuildRequest& request, FrameDocument& document) {
  const std::string& path = *request.listPath;
  LoadDefList(path, request.listType, document);
  const std::string folder = SplitPath(path).folder;
  ResolveFramePaths(document.list, folder);
  document.colours.referencePalette = PathFrom(folder, document.colours.referencePalette);
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
  if (const auto refusal = DocumentOutputRefusal(settings.outputName)) {
    ThrowInputError(*refusal, *request.listPath, input_code::kDocumentOutputRefused);
  }
  return PathFrom(SplitPath(*request.listPath).folder, settings.outputName);
}

void WriteListDocument(const std::string& path, FrameDocument document) {
  // The command's paths are named from the current folder.
  document.folder = CurrentFolder();
  SaveDefList(path, MovedTo(document, FolderOf(PathFrom(document.folder, path)), true));
}

}  // namespace kelvane::cli
