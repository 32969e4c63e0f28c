// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_parts.h"

#include <vector>

namespace kelvane {

namespace {

// The path's steps between slashes, "." and empty steps left out.
std::vector<std::string> Steps(const std::string& path) {
  std::vector<std::string> steps;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos) {
      slash = path.size();
    }
    std::string step = path.substr(start, slash - start);
    if (!step.empty() && step != ".") {
      steps.push_back(std::move(step));
    }
    start = slash + 1;
  }
  return steps;
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const std::string folder = SplitPath(path).folder;
  return folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
}

bool IsRelativePath(const std::string& path) {
  return !path.empty() && path[0] != '/';
}

std::string PathFrom(const std::string& folder, const std::string& path) {
  if (folder.empty() || !IsRelativePath(path)) {
    return path;
  }
  return folder.back() == '/' ? folder + path : folder + "/" + path;
}

std::string PathWithin(const std::string& folder, const std::string& path) {
  if (IsRelativePath(folder) || IsRelativePath(path) || path.empty()) {
    return path;
  }
  const std::vector<std::string> base = Steps(folder);
  const std::vector<std::string> steps = Steps(path);
  if (steps.size() <= base.size()) {
    return path;
  }
  std::string rest;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (steps[i] == "..") {
      return path;  // a step back may leave the folder through a link
    }
    if (i < base.size()) {
      if (steps[i] != base[i]) {
        return path;
      }
    } else {
      rest += (rest.empty() ? "" : "/") + steps[i];
    }
  }
  return rest;
}

}  // namespace kelvane
