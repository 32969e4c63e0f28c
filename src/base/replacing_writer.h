// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/binary_file.h"
#include "base/held_signals.h"
#include "base/system_files.h"

namespace kelvane {

// Writes a file so that the target is replaced only once it is complete: the
// bytes go to a temporary file in the target's folder, made durable and renamed
// over the target by Commit(). Until then, and when the writer is dropped
// without Commit(), any earlier file at the target stays untouched.
//
// A target that exists and is not a regular file (a device such as /dev/null
// or NUL, a FIFO or pipe, a terminal), or that is this process's own standard
// output or error named through a link such as /dev/stdout, cannot be
// replaced by renaming: the bytes are held and written into it in place by
// Commit(). A symbolic link is replaced as a link.
class ReplacingFileWriter {
 public:
  // Checks that the target can be written and opens where the bytes go.
  explicit ReplacingFileWriter(const std::string& targetPath);
  ~ReplacingFileWriter();
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  // Writes at the current position, which then moves past the bytes. Short
  // writes one after another are gathered and go out together, at the latest
  // before Commit() or a WriteAt().
  void Write(const void* bytes, size_t count);
  void Write(const std::vector<uint8_t>& bytes) { Write(bytes.data(), bytes.size()); }
  // Writes at `offset`; the current position stays. Bytes skipped over by a
  // later position and never written read as zeros.
  void WriteAt(uint64_t offset, const void* bytes, size_t count);
  void WriteAt(uint64_t offset, const std::vector<uint8_t>& bytes) {
    WriteAt(offset, bytes.data(), bytes.size());
  }
  uint64_t position() const { return position_; }
  // The length of what Commit() puts at the target.
  uint64_t size() const { return size_; }
  void MoveTo(uint64_t offset) { position_ = offset; }
  // True when Commit() would replace the file `file`.
  bool WouldReplace(const FileIdentity& file) const { return replaces_ && *replaces_ == file; }
  // True when the target is written in place rather than replaced.
  bool writesInPlace() const { return inPlace_; }
  void Commit();

 private:
  bool OpenInPlace(const FileFacts& target);
  void OpenTemporary();
  void Discard();
  void WriteGathered();
  void WriteToFile(uint64_t offset, const void* bytes, size_t count);

  // Writes below this size are gathered, up to about kGatheredUpTo bytes: a
  // list of small frames costs a system call per few hundred frames, not per frame.
  static constexpr size_t kGatheredBelow = size_t{1} << 16;
  static constexpr size_t kGatheredUpTo = size_t{1} << 18;
  // Every this many bytes the disk is asked to start writing them, so that a
  // large DEF is on its way while the frames after it are prepared and the
  // sync at the end waits for the last part only. A DEF of small frames,
  // well under this, makes no such request.
  static constexpr uint64_t kWriteOutEvery = uint64_t{8} << 20;

  WriteSignalsHeld heldSignals_;
  std::string target_;
  std::string temp_;
  SystemFile file_;
  uint64_t position_ = 0;
  uint64_t size_ = 0;
  std::optional<FileIdentity> replaces_;  // the file at the target when the writer began
  bool inPlace_ = false;
  std::vector<uint8_t> held_;      // in place: everything, written by Commit()
  std::vector<uint8_t> gathered_;  // short writes not yet written, at gatheredAt_
  uint64_t gatheredAt_ = 0;
  uint64_t writtenOutTo_ = 0;  // bytes before this were asked to be written out
  bool committed_ = false;
};

}  // namespace kelvane
