// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/overwrite_guards.h"

#include <filesystem>
#include <optional>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/system_files.h"

namespace kelvane::cli {

namespace {

// Whether two names reach one file: by device and inode when both exist (hard
// links too), else by their paths with links and ".." resolved.
bool SameFile(const std::string& a, const std::string& b) {
  const auto first = IdentityOfPath(a);
  const auto second = IdentityOfPath(b);
  if (first || second) {
    return first && second && *first == *second;
  }
  std::error_code error;
  namespace fs = std::filesystem;
  const auto resolvedA = fs::weakly_canonical(fs::u8path(a), error);
  const auto resolvedB = error ? resolvedA : fs::weakly_canonical(fs::u8path(b), error);
  return !error && resolvedA == resolvedB;
}

void RefuseSavedListOverFrame(const std::string& savePath, const FrameList& list) {
  const auto saved = IdentityOfPath(savePath);
  if (!saved) {
    return;  // a file that does not exist yet is no frame
  }
  for (size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSeparator(i) && IdentityOfPath(list.Text(i)) == saved) {
      ThrowInputError("--save-list names the frame \"" + list.Text(i) +
                          "\": a document is never written over one of its frames",
                      savePath);
    }
  }
}

// What stands at `path` that a command may not replace, or "" when nothing
// does: only a regular file, or a link to one, is ever written over, never a
// FIFO or a device that a planted link points at.
std::string Obstacle(const std::string& path) {
  const auto facts = FactsOfPath(path);
  if (facts && facts->kind == FileKind::Regular) {
    return {};
  }
  return IsSymbolicLink(path) ? "is a symbolic link to something that is not a regular file"
                              : "exists and is not a regular file";
}

}  // namespace

void RefuseOverwrittenInputs(const BuildRequest& request, const FrameDocument& document) {
  const std::string& output = document.settings.outputName;
  if (!request.noBuild && request.listPath && SameFile(*request.listPath, output)) {
    ThrowInputError("The output file is the DefList document \"" + *request.listPath +
                        "\": a build never writes over the document it reads",
                    output);
  }
  if (!request.saveListPath) {
    return;
  }
  if (!request.noBuild && SameFile(*request.saveListPath, output)) {
    ThrowInputError("--save-list and the output name the same file \"" + output +
                        "\": the DEF would replace the document",
                    output);
  }
  RefuseSavedListOverFrame(*request.saveListPath, document.list);
}

bool IsStandardOutput(const std::string& path) {
  const auto target = IdentityOfPath(path);
  return target && IdentityOfStream(StandardStream::Output) == target;
}

void PrepareOutputFolder(const std::string& folder, const std::vector<std::string>& outputs,
                         bool force) {
  if (NothingNamed(folder)) {
    if (!MakeFolder(folder)) {
      ThrowInputError("cannot create the folder \"" + folder + "\"", folder);
    }
    return;
  }
  if (!IsFolder(folder)) {
    ThrowInputError("\"" + folder + "\" is not a folder", folder);
  }
  for (const std::string& path : outputs) {
    if (NothingNamed(path) && !IsSymbolicLink(path)) {
      continue;
    }
    const std::string obstacle = Obstacle(path);
    if (!obstacle.empty()) {
      ThrowInputError("\"" + path + "\" " + obstacle + "; nothing was written", path);
    }
    if (!force) {
      ThrowInputError("\"" + path + "\" exists; give --force to overwrite it", path);
    }
  }
}

}  // namespace kelvane::cli
