// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kelvane {

// A writer tries attempt numbers from 0 up to this while names are taken.
constexpr unsigned kLastPartAttempt = 1000;

// The temporary file a replacing writer fills before it renames it over
// `folder` + `name`: hidden, beside the target, and naming the process that
// writes it so that a leftover can be told from a file still being written.
std::string PartFilePath(const std::string& folder, const std::string& name, long pid,
                         unsigned attempt);

struct LeftoverPart {
  std::string path;
  long pid = 0;  // the process that wrote it, no longer running
};

// Removes the temporary files of `targetPath` left by processes that no longer
// run (a build killed outright), and returns those removed. Files of running
// processes, of this process, and anything not named like a temporary file of
// this target stay.
std::vector<LeftoverPart> RemoveLeftoverParts(const std::string& targetPath);

}  // namespace kelvane
