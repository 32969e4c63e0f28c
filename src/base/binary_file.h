#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvane {

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

  // Reads exactly `count` bytes at `offset`; a file too short gives "Read beyond end of file".
  void ReadAt(uint64_t offset, void* into, size_t count) const;

 private:
  std::string path_;
  int fd_ = -1;
  uint64_t size_ = 0;
};

// Reads the whole file at `path` into `into` (its capacity is reused).
void ReadWholeFile(const std::string& path, std::vector<uint8_t>& into);

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
  void Commit();

 private:
  void Discard();

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  uint64_t position_ = 0;
  bool committed_ = false;
};

}  // namespace kelvane
