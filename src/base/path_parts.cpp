// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_parts.h"

#include <algorithm>
#include <vector>

namespace kelvane {

namespace {

bool IsDriveLetter(const std::string& path) {
  const char c = path.empty() ? '\0' : char(path[0] | 0x20);  // lower case
  return path.size() >= 2 && c >= 'a' && c <= 'z' && path[1] == ':';
}

// The end of "\\server\share" after its two leading separators.
size_t ShareEnd(const std::string& path) {
  size_t end = 2;
  for (int part = 0; part < 2 && end < path.size(); ++part) {
    while (end < path.size() && !IsPathSeparator(path[end], PathStyle::Windows)) {
      ++end;
    }
    if (part == 0 && end < path.size()) {
      ++end;
    }
  }
  return end;
}

// The path's steps between separators, "." and empty steps left out.
std::vector<std::string> Steps(const std::string& path, PathStyle style) {
  std::vector<std::string> steps;
  std::string step;
  for (size_t at = 0; at <= path.size(); ++at) {
    if (at < path.size() && !IsPathSeparator(path[at], style)) {
      step += path[at];
      continue;
    }
    if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    step.clear();
  }
  return steps;
}

// The root ("/", "C:/", "//server/share/", separators written as '/') as the
// first step, then the steps.
std::vector<std::string> RootAndSteps(const std::string& path, PathStyle style) {
  const size_t root = RootLength(path, style);
  std::string key = path.substr(0, root);
  std::replace_if(
      key.begin(), key.end(), [style](char c) { return IsPathSeparator(c, style); }, '/');
  if (key.size() > 2 && key.compare(0, 2, "//") == 0 && key.back() == '/') {
    key.pop_back();  // a share is one root with or without its separator
  }
  std::vector<std::string> steps = Steps(path.substr(root), style);
  steps.insert(steps.begin(), key);
  return steps;
}

// Windows tells names apart without regard to letter case.
bool SameSteps(const std::vector<std::string>& a, const std::vector<std::string>& b, size_t count,
               PathStyle style) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < count; ++i) {
    if (style == PathStyle::Posix
            ? a[i] != b[i]
            : !std::equal(a[i].begin(), a[i].end(), b[i].begin(), b[i].end(),
                          [&lower](char x, char y) { return lower(x) == lower(y); })) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool IsPathSeparator(char c, PathStyle style) {
  return c == '/' || (style == PathStyle::Windows && c == '\\');
}

char PreferredSeparator(PathStyle style) {
  return style == PathStyle::Windows ? '\\' : '/';
}

size_t RootLength(const std::string& path, PathStyle style) {
  const auto separatorAt = [&](size_t at) {
    return at < path.size() && IsPathSeparator(path[at], style);
  };
  if (style == PathStyle::Posix) {
    return separatorAt(0) ? 1 : 0;
  }
  if (IsDriveLetter(path)) {
    return separatorAt(2) ? 3 : 2;
  }
  if (separatorAt(0) && separatorAt(1)) {
    const size_t end = ShareEnd(path);
    return separatorAt(end) ? end + 1 : end;
  }
  return separatorAt(0) ? 1 : 0;
}

bool IsRelativePath(const std::string& path, PathStyle style) {
  return !path.empty() && RootLength(path, style) == 0;
}

PathParts SplitPath(const std::string& path, PathStyle style) {
  const size_t root = RootLength(path, style);
  size_t cut = path.size();
  while (cut > root && !IsPathSeparator(path[cut - 1], style)) {
    --cut;
  }
  return {path.substr(0, cut), path.substr(cut)};
}

std::string JoinPath(const std::string& folder, const std::string& name, PathStyle style) {
  if (folder.empty() || IsPathSeparator(folder.back(), style) ||
      (style == PathStyle::Windows && folder.size() == 2 && IsDriveLetter(folder))) {
    return folder + name;
  }
  return folder + PreferredSeparator(style) + name;
}

std::string FolderOf(const std::string& path, PathStyle style) {
  const std::string folder = SplitPath(path, style).folder;
  const size_t root = RootLength(folder, style);
  return folder.size() > root && IsPathSeparator(folder.back(), style)
             ? folder.substr(0, folder.size() - 1)
             : folder;
}

std::string WithoutTrailingSeparators(std::string folder, PathStyle style) {
  while (folder.size() > std::max<size_t>(RootLength(folder, style), 1) &&
         IsPathSeparator(folder.back(), style)) {
    folder.pop_back();
  }
  return folder;
}

std::string PathFrom(const std::string& folder, const std::string& path, PathStyle style) {
  return folder.empty() || !IsRelativePath(path, style) ? path : JoinPath(folder, path, style);
}

std::string PathWithin(const std::string& folder, const std::string& path, PathStyle style) {
  if (IsRelativePath(folder, style) || IsRelativePath(path, style) || path.empty()) {
    return path;
  }
  const std::vector<std::string> base = RootAndSteps(folder, style);
  const std::vector<std::string> steps = RootAndSteps(path, style);
  if (steps.size() <= base.size() || !SameSteps(base, steps, base.size(), style)) {
    return path;
  }
  std::string rest;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (steps[i] == "..") {
      return path;  // a step back may leave the folder through a link
    }
    if (i >= base.size()) {
      rest += (rest.empty() ? "" : std::string(1, PreferredSeparator(style))) + steps[i];
    }
  }
  return rest;
}

}  // namespace kelvane
