// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_filters.h"

#include "base/verbatim_texts.h"
#include "ui/ui_texts.h"

namespace kelvane::ui {

std::vector<FileFilter> ParseFilters(const std::string& pairs) {
  std::vector<std::string> parts(1);
  for (char c : pairs) {
    if (c == '|') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  std::vector<FileFilter> filters;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    filters.push_back({parts[i], parts[i + 1]});
  }
  return filters;
}

OpenFilesRequest AddFilesRequest(int filterIndex) {
  OpenFilesRequest request;
  request.place = kFramesPlace;
  request.filters = ParseFilters(text::kAddFileFilter);
  for (const FileFilter& frames : ParseFilters(ui_text::kFrameFilters)) {
    request.filters.push_back(frames);
  }
  request.filterIndex = filterIndex;
  request.initialName = text::kAddFileInitialName;
  request.multiple = true;
  return request;
}

OpenFilesRequest LoadDefListRequest() {
  OpenFilesRequest request;
  request.place = kListsPlace;
  // The stored filter puts the labels where the patterns belong, so that its
  // "patterns" list no file at all; each entry lists the documents instead.
  for (const FileFilter& entry : ParseFilters(text::kLoadListFilter)) {
    request.filters.push_back({entry.label, text::kLoadListInitialName});
  }
  request.initialName = text::kLoadListInitialName;
  return request;
}

OpenFilesRequest ReferencePaletteRequest() {
  OpenFilesRequest request;
  request.filters = ParseFilters(ui_text::kPaletteFilters);
  return request;
}

SaveFileRequest OutputFileRequest() {
  SaveFileRequest request;
  request.place = kOutputPlace;
  request.filters = ParseFilters(text::kOutputFilter);
  request.initialName = text::kOutputInitialName;
  request.askBeforeCreating = true;
  return request;
}

SaveFileRequest SaveDefListRequest() {
  SaveFileRequest request;
  request.place = kListsPlace;
  request.filters = ParseFilters(text::kSaveListFilter);
  request.initialName = text::kSaveListInitialName;
  request.askBeforeCreating = true;
  return request;
}

}  // namespace kelvane::ui
