// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace kelvane {

// How paths are written: POSIX paths with '/' alone; Windows paths with '\'
// or '/', drive letters ("C:\mods", "C:file") and network shares
// ("\\server\share\file").
enum class PathStyle { Posix, Windows };

// The style of the system the program runs on (from system_files_*.cpp).
PathStyle NativePathStyle();

bool IsPathSeparator(char c, PathStyle style = NativePathStyle());
// The separator the system writes: '/' or '\'.
char PreferredSeparator(PathStyle style = NativePathStyle());

// How many characters of `path` name its root: "/" (1), "C:\" (3), "C:" (2),
// "\" (1), "\\server\share\" (to the end of the share's name), or 0 for a
// path that starts in the current folder.
size_t RootLength(const std::string& path, PathStyle style = NativePathStyle());
// True for a path that starts in the current folder, so that it can be taken
// as relative to another folder ("frames/a.bmp", not "C:a.bmp" or "\a.bmp").
bool IsRelativePath(const std::string& path, PathStyle style = NativePathStyle());

// A path cut after its last separator (or after a drive's "C:"): the folder
// keeps that separator (empty for a bare name, so folder + name is the path).
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts SplitPath(const std::string& path, PathStyle style = NativePathStyle());

// `name` in `folder`: with one separator between them, none for an empty folder.
std::string JoinPath(const std::string& folder, const std::string& name,
                     PathStyle style = NativePathStyle());

// The folder a file's path lies in, without a trailing separator unless it is
// the root ("/", "C:\"), empty for a bare name.
std::string FolderOf(const std::string& path, PathStyle style = NativePathStyle());

// A folder as the user typed it, without the separators that may end it
// (the root and a lone separator keep theirs).
std::string WithoutTrailingSeparators(std::string folder, PathStyle style = NativePathStyle());

// `path` as named from `folder`: joined to it when relative, as it stands when
// absolute, empty or when no folder is given.
std::string PathFrom(const std::string& folder, const std::string& path,
                     PathStyle style = NativePathStyle());

// How `path` (absolute) is best named from `folder` (absolute): the rest of
// it when it lies under that folder, reached without a ".." step; otherwise
// the absolute path as it stands. Decided on the texts alone: a link on the
// way is not followed, so the result names the same file whatever the links.
std::string PathWithin(const std::string& folder, const std::string& path,
                       PathStyle style = NativePathStyle());

}  // namespace kelvane
