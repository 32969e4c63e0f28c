// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvane {

// A fresh folder of this process's own in the system's temporary folder,
// removed with its contents when dropped. path() is "" when none could be made.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& namePrefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace kelvane
