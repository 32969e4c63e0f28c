// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/overwrite_guards.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "base/binary_file.h"
#include "base/errors.h"

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
  const auto resolvedA = std::filesystem::weakly_canonical(a, error);
  const auto resolvedB = error ? resolvedA : std::filesystem::weakly_canonical(b, error);
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
  struct stat info {};
  const auto target = IdentityOfPath(path);
  return target && ::fstat(STDOUT_FILENO, &info) == 0 && *target == IdentityOf(info);
}

}  // namespace kelvane::cli
