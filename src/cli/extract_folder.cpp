// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/extract_folder.h"

#include <sys/stat.h>

#include <filesystem>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/replacing_writer.h"

namespace kelvane::cli {

namespace {

// FNV-1a over the bytes, continued from `hash`.
uint64_t HashBytes(const uint8_t* bytes, size_t count, uint64_t hash = 0xcbf29ce484222325u) {
  for (size_t i = 0; i < count; ++i) {
    hash = (hash ^ bytes[i]) * 0x100000001b3u;
  }
  return hash;
}

void Refuse(const std::string& path, const std::string& why) {
  ThrowInputError("\"" + path + "\" " + why + "; nothing was written", path);
}

// What stands at `path` that extract may not replace, or "" when nothing does.
std::string Obstacle(const std::string& path, const struct stat& entry) {
  if (S_ISLNK(entry.st_mode)) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) {
      return "is a symbolic link to something that is not a regular file";
    }
    return {};
  }
  return S_ISREG(entry.st_mode) ? std::string() : "exists and is not a regular file";
}

}  // namespace

void ExtractFolder::Prepare(const std::vector<std::string>& names, const DefFile& def,
                            bool force) const {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::exists(path_, error)) {
    if (!fs::create_directory(path_, error)) {
      ThrowInputError("cannot create the folder \"" + path_ + "\"", path_);
    }
    return;
  }
  if (!fs::is_directory(path_, error)) {
    ThrowInputError("\"" + path_ + "\" is not a folder", path_);
  }
  for (const std::string& name : names) {
    const std::string path = PathOf(name);
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0) {
      continue;
    }
    RefuseWritingOverSource(def, path);
    const std::string obstacle = Obstacle(path, entry);
    if (!obstacle.empty()) {
      Refuse(path, obstacle);
    }
    if (!force) {
      ThrowInputError("\"" + path + "\" exists; give --force to overwrite it", path);
    }
  }
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
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode)) {
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
