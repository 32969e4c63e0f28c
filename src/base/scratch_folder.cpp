// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/scratch_folder.h"

#include <filesystem>

#include "base/system_files.h"

namespace kelvane {

ScratchFolder::ScratchFolder(const std::string& namePrefix)
    : path_(MakeTemporaryFolder(namePrefix)) {}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) {
    return;
  }
  namespace fs = std::filesystem;
  std::error_code ignored;
  // A test may have taken its own permissions away from something inside.
  fs::permissions(fs::u8path(path_), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(fs::u8path(path_), ignored);
}

}  // namespace kelvane
