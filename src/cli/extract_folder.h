// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "defread/def_file.h"

namespace kelvane::cli {

// FNV-1a over the bytes, continued from `hash`: what tells blocks and files
// apart before they are compared byte for byte.
uint64_t HashBytes(const uint8_t* bytes, size_t count, uint64_t hash = 0xcbf29ce484222325u);

// One file extract writes into its folder, by name, with its bytes once
// written (a hash of them and their size, for the check that reads them back).
struct FolderFile {
  std::string name;
  uint64_t size = 0;
  uint64_t hash = 0;
};

// The folder extract writes into: files only as regular files directly in it,
// never through a link to anything else, never over the DEF being read.
class ExtractFolder {
 public:
  explicit ExtractFolder(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  std::string PathOf(const std::string& name) const;

  // Creates the folder when it does not exist, and refuses, before anything
  // is written, a name whose entry exists and is not a regular file or a link
  // to one, or is the DEF itself; without `force`, any name whose entry exists.
  void Prepare(const std::vector<std::string>& names, const DefFile& def, bool force) const;

  // Writes the bytes as the file `name`, replacing it only once complete.
  FolderFile Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

  // Ends with an Error unless every file is a regular file in the folder,
  // not a link, that reads back as it was written.
  void Verify(const std::vector<FolderFile>& files) const;

 private:
  std::string path_;
};

}  // namespace kelvane::cli
