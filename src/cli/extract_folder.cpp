// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/extract_folder.h"

#include <algorithm>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/replacing_writer.h"
#include "base/system_files.h"
#include "cli/overwrite_guards.h"

namespace kelvane::cli {

namespace {

bool IsRegularFile(const std::string& path) {
  const auto facts = FactsOfPath(path);
  return facts && facts->kind == FileKind::Regular;
}

}  // namespace

uint64_t HashBytes(const uint8_t* bytes, size_t count, uint64_t hash) {
  for (size_t i = 0; i < count; ++i) {
    hash = (hash ^ bytes[i]) * 0x100000001b3u;
  }
  return hash;
}

std::string ExtractFolder::PathOf(const std::string& name) const {
  return JoinPath(path_, name);
}

void ExtractFolder::Prepare(const std::vector<std::string>& names, const DefFile& def,
                            bool force) const {
  std::vector<std::string> paths;
  for (const std::string& name : names) {
    paths.push_back(PathOf(name));
    if (!NothingNamed(paths.back()) || IsSymbolicLink(paths.back())) {
      RefuseWritingOverSource(def, paths.back());
    }
  }
  PrepareOutputFolder(path_, paths, force);
}

FolderFile ExtractFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  ReplacingFileWriter file(PathOf(name));
  file.Write(bytes);
  file.Commit();
  return {name, bytes.size(), HashBytes(bytes.data(), bytes.size())};
}

void ExtractFolder::Verify(const std::vector<FolderFile>& files) const {
  std::vector<uint8_t> chunk(size_t{1} << 20);
  for (const FolderFile& written : files) {
    const std::string path = PathOf(written.name);
    if (IsSymbolicLink(path) || !IsRegularFile(path)) {
      ThrowInputError("\"" + path + "\" is not the regular file just written", path);
    }
    const InputFile file(path);
    uint64_t hash = HashBytes(nullptr, 0);
    for (uint64_t at = 0; at < file.size(); at += chunk.size()) {
      const size_t count = size_t(std::min<uint64_t>(chunk.size(), file.size() - at));
      file.ReadAt(at, chunk.data(), count);
      hash = HashBytes(chunk.data(), count, hash);
    }
    if (file.size() != written.size || hash != written.hash) {
      ThrowInputError("\"" + path + "\" does not read back as it was written", path);
    }
  }
}

}  // namespace kelvane::cli
