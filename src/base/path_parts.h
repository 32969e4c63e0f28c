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

// The folder a file's path lies in, without a trailing '/' ("/" for a file
// at the root, empty for a bare name).
std::string FolderOf(const std::string& path);

// A path that names a file from some folder rather than from the root. An
// empty text names no file and counts as neither.
bool IsRelativePath(const std::string& path);

// `path` as named from `folder`: joined to it when relative, as it stands when
// absolute, empty or when no folder is given.
std::string PathFrom(const std::string& folder, const std::string& path);

// How `path` (absolute) is best named from `folder` (absolute): the rest of
// it when it lies under that folder, reached without a ".." step; otherwise
// the absolute path as it stands. Decided on the texts alone: a link on the
// way is not followed, so the result names the same file whatever the links.
std::string PathWithin(const std::string& folder, const std::string& path);

}  // namespace kelvane
