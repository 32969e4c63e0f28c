// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/part_files.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "base/path_parts.h"

namespace kelvane {

namespace {

constexpr char kPartSuffix[] = ".part";

// The digits of a whole non-negative number up to `largest`, or nothing.
std::optional<long> DigitsValue(const std::string& text, long largest) {
  if (text.empty() || text.size() > 10) {
    return std::nullopt;
  }
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value <= largest ? std::optional<long>(value) : std::nullopt;
}

// The writing process of `entry` when it is ".NAME.PID.N.part" for `name`.
std::optional<long> PartFileOwner(const std::string& entry, const std::string& name) {
  const std::string prefix = "." + name + ".";
  const size_t suffix = sizeof kPartSuffix - 1;
  if (entry.size() <= prefix.size() + suffix || entry.compare(0, prefix.size(), prefix) != 0 ||
      entry.compare(entry.size() - suffix, suffix, kPartSuffix) != 0) {
    return std::nullopt;
  }
  const std::string middle = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix);
  const size_t dot = middle.find('.');
  if (dot == std::string::npos || !DigitsValue(middle.substr(dot + 1), kLastPartAttempt)) {
    return std::nullopt;
  }
  const auto pid = DigitsValue(middle.substr(0, dot), 0x7fffffff);
  return pid && *pid > 0 ? pid : std::nullopt;
}

bool ProcessIsGone(long pid) {
  // EPERM: the process runs under another user, so it is not gone.
  return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string PartFilePath(const std::string& folder, const std::string& name, long pid,
                         unsigned attempt) {
  return folder + "." + name + "." + std::to_string(pid) + "." + std::to_string(attempt) +
         kPartSuffix;
}

std::vector<LeftoverPart> RemoveLeftoverParts(const std::string& targetPath) {
  const auto [folder, name] = SplitPath(targetPath);
  std::vector<LeftoverPart> removed;
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!listing || name.empty()) {
    if (listing) {
      ::closedir(listing);
    }
    return removed;
  }
  while (const dirent* entry = ::readdir(listing)) {
    const auto pid = PartFileOwner(entry->d_name, name);
    if (!pid || *pid == long(::getpid()) || !ProcessIsGone(*pid)) {
      continue;
    }
    const std::string path = folder + entry->d_name;
    struct stat info {};
    // Only a plain file: a link of that name is not one a writer made.
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.c_str()) == 0) {
      removed.push_back({path, *pid});
    }
  }
  ::closedir(listing);
  return removed;
}

}  // namespace kelvane
