// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_parts.h"

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

}  // namespace kelvane
