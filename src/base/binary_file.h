#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// What tells a file apart whatever path names it: its device and inode.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode;
  }
};

// A file opened for reading only, so that read-only inputs can be used.
// Every failure ends the command with the user's I/O error.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  uint64_t size() const { return size_; }
  const std::string& path() const { return path_; }
  const FileIdentity& identity() const { return identity_; }

  // Reads exactly `count` bytes at `offset`; a file too short gives "Read beyond end of file".
  void ReadAt(uint64_t offset, void* into, size_t count) const;

 private:
  std::string path_;
  int fd_ = -1;
  uint64_t size_ = 0;
  FileIdentity identity_;
};

// Reads the whole file at `path` into `into`. A file longer than `largest`
// bytes is refused before anything is allocated for it.
void ReadWholeFile(const std::string& path, std::string& into, uint64_t largest);

// Writes a file so that the target is replaced only once it is complete: the
// bytes go to a temporary file in the target's folder, renamed over the target
// by Commit(). Until then, and when the writer is dropped without Commit(), any
// earlier file at the target stays untouched.
class ReplacingFileWriter {
 public:
  // Checks that the target can be written and creates the temporary file.
  explicit ReplacingFileWriter(const std::string& targetPath);
  ~ReplacingFileWriter();
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  // Writes at the current position, which then moves past the bytes.
  void Write(const void* bytes, size_t count);
  void Write(const std::vector<uint8_t>& bytes) { Write(bytes.data(), bytes.size()); }
  // Writes at `offset`; the current position stays. Bytes skipped over by a
  // later position and never written read as zeros.
  void WriteAt(uint64_t offset, const void* bytes, size_t count);
  void WriteAt(uint64_t offset, const std::vector<uint8_t>& bytes) {
    WriteAt(offset, bytes.data(), bytes.size());
  }
  uint64_t position() const { return position_; }
  void MoveTo(uint64_t offset) { position_ = offset; }
  // True when Commit() would replace the file `file`.
  bool WouldReplace(const FileIdentity& file) const { return replaces_ && *replaces_ == file; }
  void Commit();

 private:
  void Discard();

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  uint64_t position_ = 0;
  std::optional<FileIdentity> replaces_;  // the file at the target when the writer began
  bool committed_ = false;
};

}  // namespace kelvane
