// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvane {

// A path cut at its last '/': the folder keeps that '/' (empty for a bare
// name, so folder + name is the path again).
struct PathParts {
  std::string folder;
  std::string name;
};

inline PathParts SplitPath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    return {std::string(), path};
  }
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace kelvane
