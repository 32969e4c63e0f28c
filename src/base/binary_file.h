// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/file_identity.h"
#include "base/system_files.h"

namespace kelvane {

// The identity of the file `path` names (links followed), if there is one.
std::optional<FileIdentity> IdentityOfPath(const std::string& path);

// False for a name no file can have: empty, or holding a NUL that would end
// it early and so name another file.
bool IsUsableFileName(const std::string& path);

// A file opened for reading only, so that read-only inputs can be used.
// Every failure ends the command with the user's I/O error.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  uint64_t size() const { return size_; }
  const std::string& path() const { return path_; }
  const FileIdentity& identity() const { return identity_; }

  // Reads exactly `count` bytes at `offset`; a file too short gives "Read beyond end of file".
  void ReadAt(uint64_t offset, void* into, size_t count) const;
  // Reads from `offset` into `first`, then on into `second`, with one call
  // where it can, until both are full or the file ends; returns the bytes read.
  size_t ReadUpTo(uint64_t offset, void* first, size_t firstCount, void* second,
                  size_t secondCount) const;

 private:
  std::string path_;
  SystemFile file_;
  uint64_t size_ = 0;
  FileIdentity identity_;
};

// Reads the whole file at `path` into `into`. A file longer than `largest`
// bytes is refused before anything is allocated for it.
void ReadWholeFile(const std::string& path, std::string& into, uint64_t largest);

}  // namespace kelvane
