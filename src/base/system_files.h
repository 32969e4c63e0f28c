// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/file_identity.h"

// Everything the program asks of the operating system about files, folders,
// processes and the console, in one set of calls. Paths are UTF-8 here on
// every system. system_files_posix.cpp and system_files_windows.cpp implement
// it; no other file calls the system's own interfaces for these.

namespace kelvane {

enum class FileKind { Regular, Folder, Pipe, CharacterDevice, BlockDevice, Socket, Other };

struct FileFacts {
  FileKind kind = FileKind::Other;
  uint64_t size = 0;
  // None for a device or pipe the system gives no identity.
  std::optional<FileIdentity> identity;
};

// What `path` names, links followed; none when nothing can be found there.
std::optional<FileFacts> FactsOfPath(const std::string& path);
// True only when the system says that no file has the name `path`.
bool NothingNamed(const std::string& path);
// True when `path` itself (not what it points to) is a symbolic link.
bool IsSymbolicLink(const std::string& path);
bool IsFolder(const std::string& path);
// The words for a file that is not a regular one, as in "is a FIFO".
std::string KindText(FileKind kind);

// False when the file at `path` could not be overwritten in place: replacing
// it by a rename would bypass its own protection.
bool CanOverwrite(const std::string& path);

enum class StandardStream { Input, Output, Error };
std::optional<FileIdentity> IdentityOfStream(StandardStream stream);
bool IsTerminal(StandardStream stream);

// An open file of the system, closed when dropped. Errors end the command
// with the user's I/O error, naming `errorPath` (the file the user named).
class SystemFile {
 public:
  SystemFile() = default;
  ~SystemFile() { Close(); }
  SystemFile(SystemFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}
  SystemFile& operator=(SystemFile&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
  }
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  // Opens for reading only, shared with writers and with a replacing rename;
  // opening a pipe does not wait for a writer.
  static SystemFile OpenForReading(const std::string& path);
  // Creates `path` for writing, only when no file has that name: none then.
  static std::optional<SystemFile> CreateNew(const std::string& path, const std::string& errorPath);
  // Opens a device or pipe for writing into it; a pipe nobody reads is refused.
  static SystemFile OpenSpecialForWriting(const std::string& path);
  // This process's standard output or error, when it is the file `target`.
  static std::optional<SystemFile> StandardStreamAt(const FileIdentity& target);

  bool IsOpen() const;
  FileFacts Facts(const std::string& errorPath) const;
  // Exactly `count` bytes at `offset`; a file too short ends the command.
  void ReadAt(uint64_t offset, void* into, size_t count, const std::string& errorPath) const;
  // Reads from `offset` into `first`, then on into `second`, with one call
  // where the system has one, until both are full or the file ends; returns
  // the bytes read.
  size_t ReadUpTo(uint64_t offset, void* first, size_t firstCount, void* second, size_t secondCount,
                  const std::string& errorPath) const;
  void WriteAt(uint64_t offset, const void* bytes, size_t count, const std::string& errorPath);
  // Asks the system to start putting bytes [offset, offset + count) on disk
  // now, without waiting for it, so that a later sync finds less left to do.
  // A hint only: where the system has no such request, nothing happens.
  void StartWritingOut(uint64_t offset, uint64_t count) const;

  struct Failure {
    size_t written = 0;  // bytes that went through before it
    std::string reason;
  };
  // Writes all the bytes in order and closes the file; what stopped it, if anything.
  std::optional<Failure> WriteAllAndClose(const void* bytes, size_t count);
  // Makes this complete file, `temporary`, the file at `target`: keeps the
  // permissions of a file it replaces, syncs it to disk, closes it and moves
  // it over the target, so that after a power cut the target holds either
  // the earlier file or the complete new one.
  void MoveIntoPlace(const std::string& temporary, const std::string& target);
  void Close();

 private:
  explicit SystemFile(intptr_t handle) : handle_(handle) {}
  intptr_t handle_ = -1;  // a descriptor or a handle, as the system has it
};

// Writing this process's standard output directly, for a program that checks
// what it writes. Once LetStandardOutputFail() has run, a reader that went
// away makes a write fail (readerGone) instead of ending the process.
struct OutputFailure {
  bool readerGone = false;
  std::string reason;  // the user's I/O error message
};
void LetStandardOutputFail();
std::optional<OutputFailure> WriteStandardOutput(const char* bytes, size_t count);
// Closes standard output: some file systems report a failed write only then.
std::optional<OutputFailure> CloseStandardOutput();

// Removes the file at `path` when it is a plain file, not a link or folder.
bool RemovePlainFile(const std::string& path);

// The names in `folder` ("" for the current folder), without "." and "..".
std::vector<std::string> FolderEntryNames(const std::string& folder);
// A new empty folder of this process's own under the system's temporary folder;
// "" when none can be made.
std::string MakeTemporaryFolder(const std::string& namePrefix);
// Creates the folder `path`; false when it cannot.
bool MakeFolder(const std::string& path);
// The current folder, or "" when the system does not tell it.
std::string CurrentFolder();

long CurrentProcessId();
// True when no process with this id runs (a process of another user still runs).
bool ProcessIsGone(long pid);

// The program's arguments in UTF-8 as the user typed them, without its own
// name; also sets the console to show UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace kelvane
