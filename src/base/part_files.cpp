// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/part_files.h"

#include <optional>

#include "base/path_parts.h"
#include "base/system_files.h"

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

}  // namespace

std::string PartFilePath(const std::string& folder, const std::string& name, long pid,
                         unsigned attempt) {
  return folder + "." + name + "." + std::to_string(pid) + "." + std::to_string(attempt) +
         kPartSuffix;
}

std::vector<LeftoverPart> RemoveLeftoverParts(const std::string& targetPath) {
  const auto [folder, name] = SplitPath(targetPath);
  std::vector<LeftoverPart> removed;
  if (name.empty()) {
    return removed;
  }
  for (const std::string& entry : FolderEntryNames(folder)) {
    const auto pid = PartFileOwner(entry, name);
    if (!pid || *pid == CurrentProcessId() || !ProcessIsGone(*pid)) {
      continue;
    }
    // Only a plain file: a link of that name is not one a writer made.
    const std::string path = folder + entry;
    if (RemovePlainFile(path)) {
      removed.push_back({path, *pid});
    }
  }
  return removed;
}

}  // namespace kelvane
