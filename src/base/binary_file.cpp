// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/binary_file.h"

#include <string>

#include "base/errors.h"

namespace kelvane {

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  const auto facts = FactsOfPath(path);
  return facts ? facts->identity : std::nullopt;
}

bool IsUsableFileName(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

InputFile::InputFile(const std::string& path)
    : path_(path), file_(SystemFile::OpenForReading(path)) {
  const FileFacts facts = file_.Facts(path);
  // Only a regular file has a size to trust and bytes that stay put.
  if (facts.kind == FileKind::Folder) {
    ThrowIoError(io_code::kAccessDenied, path);
  }
  if (facts.kind != FileKind::Regular || !facts.identity) {
    ThrowInputError(
        "\"" + path + "\" is " + KindText(facts.kind) + ", not a regular file: it is not read",
        path);
  }
  size_ = facts.size;
  identity_ = *facts.identity;
}

void InputFile::ReadAt(uint64_t offset, void* into, size_t count) const {
  file_.ReadAt(offset, into, count, path_);
}

size_t InputFile::ReadUpTo(uint64_t offset, void* first, size_t firstCount, void* second,
                           size_t secondCount) const {
  return file_.ReadUpTo(offset, first, firstCount, second, secondCount, path_);
}

void ReadWholeFile(const std::string& path, std::string& into, uint64_t largest) {
  const InputFile file(path);
  if (file.size() > largest) {
    ThrowInputError("\"" + path + "\" is " + std::to_string(file.size()) +
                        " bytes long, more than the " + std::to_string(largest) +
                        " bytes such a file may have",
                    path);
  }
  into.resize(file.size());
  file.ReadAt(0, into.data(), into.size());
}

}  // namespace kelvane
