// SPDX-License-Identifier: GPL-3.0-or-later
// The system calls behind system_files.h on Linux and other POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"

namespace kelvane {

namespace {

FileIdentity IdentityOf(const struct stat& info) {
  return {uint64_t(info.st_dev), uint64_t(info.st_ino)};
}

FileKind KindOf(mode_t mode) {
  if (S_ISREG(mode)) {
    return FileKind::Regular;
  }
  if (S_ISDIR(mode)) {
    return FileKind::Folder;
  }
  if (S_ISFIFO(mode)) {
    return FileKind::Pipe;
  }
  if (S_ISCHR(mode)) {
    return FileKind::CharacterDevice;
  }
  if (S_ISBLK(mode)) {
    return FileKind::BlockDevice;
  }
  return S_ISSOCK(mode) ? FileKind::Socket : FileKind::Other;
}

FileFacts FactsOf(const struct stat& info) {
  return {KindOf(info.st_mode), uint64_t(info.st_size), IdentityOf(info)};
}

int DescriptorOf(StandardStream stream) {
  return stream == StandardStream::Input    ? STDIN_FILENO
         : stream == StandardStream::Output ? STDOUT_FILENO
                                            : STDERR_FILENO;
}

int Descriptor(intptr_t handle) {
  return int(handle);
}

// Success also where the file system keeps no more than it was given (EINVAL, EROFS).
bool SyncOrUnsupported(int fd) {
  return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

// Makes a rename in `folder` outlive a power cut. The new file is already in
// place; a folder that cannot be synced changes nothing about that.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

std::string FailureReason(int err, const std::string& path) {
  return err == EPIPE ? "the program reading it stopped reading" : SystemErrorMessage(err, path);
}

}  // namespace

std::optional<int> IoCodeFromSystemError(int err, const std::string& path) {
  switch (err) {
    case ENOENT:
      // A missing folder on the way is a bad name, a missing file in an existing folder is not.
      return !path.empty() && IsFolder(SplitPath(path).folder + ".") ? io_code::kFileNotFound
                                                                     : io_code::kInvalidFilename;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
      return io_code::kInvalidFilename;
    case EMFILE:
    case ENFILE:
      return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
      return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return io_code::kDiskFull;
    default:
      // Other numbers mean other things here: 4 and 5 are an interrupted
      // call and a disk's read error, not the codes of the same numbers.
      return std::nullopt;
  }
}

// The C library's words in its own "C" locale, not the session's language;
// strerror_l, unlike strerror, may be called from any thread.
std::string SystemErrorText(int err) {
  const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
  if (english == locale_t(0)) {
    return "System error " + std::to_string(err);
  }
  std::string text = ::strerror_l(err, english);
  ::freelocale(english);
  return text;
}

PathStyle NativePathStyle() {
  return PathStyle::Posix;
}

std::optional<FileFacts> FactsOfPath(const std::string& path) {
  struct stat info {};
  if (!IsUsableFileName(path) || ::stat(path.c_str(), &info) != 0) {
    return std::nullopt;
  }
  return FactsOf(info);
}

bool NothingNamed(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool IsSymbolicLink(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool IsFolder(const std::string& path) {
  const auto facts = FactsOfPath(path);
  return facts && facts->kind == FileKind::Folder;
}

std::string KindText(FileKind kind) {
  switch (kind) {
    case FileKind::Pipe:
      return "a FIFO";
    case FileKind::CharacterDevice:
      return "a character device";
    case FileKind::BlockDevice:
      return "a block device";
    case FileKind::Socket:
      return "a socket";
    default:
      return "a special file";
  }
}

bool CanOverwrite(const std::string& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

std::optional<FileIdentity> IdentityOfStream(StandardStream stream) {
  struct stat info {};
  if (::fstat(DescriptorOf(stream), &info) != 0) {
    return std::nullopt;
  }
  return IdentityOf(info);
}

bool IsTerminal(StandardStream stream) {
  return ::isatty(DescriptorOf(stream)) == 1;
}

SystemFile SystemFile::OpenForReading(const std::string& path) {
  if (!IsUsableFileName(path)) {
    ThrowIoError(io_code::kInvalidFilename, path);
  }
  // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    ThrowSystemError(errno, path);
  }
  return SystemFile(fd);
}

std::optional<SystemFile> SystemFile::CreateNew(const std::string& path,
                                                const std::string& errorPath) {
  // Created like any new file (mode 0666 less the umask); O_EXCL keeps it ours.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd >= 0) {
    return SystemFile(fd);
  }
  if (errno != EEXIST) {
    ThrowSystemError(errno, errorPath);
  }
  return std::nullopt;
}

SystemFile SystemFile::OpenSpecialForWriting(const std::string& path) {
  // Without O_NONBLOCK a FIFO nobody reads would keep the build waiting.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0 && errno == ENXIO) {
    ThrowInputError("No program is reading from \"" + path + "\"", path);
  }
  if (fd < 0) {
    ThrowSystemError(errno, path);
  }
  // A slow reader is then waited for, as by any program that writes to it.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return SystemFile(fd);
}

std::optional<SystemFile> SystemFile::StandardStreamAt(const FileIdentity& target) {
  for (const auto stream : {StandardStream::Output, StandardStream::Error}) {
    if (IdentityOfStream(stream) == target) {
      const int copy = ::fcntl(DescriptorOf(stream), F_DUPFD_CLOEXEC, 0);
      if (copy < 0) {
        ThrowSystemError(errno, "");
      }
      return SystemFile(copy);
    }
  }
  return std::nullopt;
}

bool SystemFile::IsOpen() const {
  return handle_ >= 0;
}

FileFacts SystemFile::Facts(const std::string& errorPath) const {
  struct stat info {};
  if (::fstat(Descriptor(handle_), &info) != 0) {
    ThrowSystemError(errno, errorPath);
  }
  return FactsOf(info);
}

void SystemFile::ReadAt(uint64_t offset, void* into, size_t count,
                        const std::string& errorPath) const {
  auto* out = static_cast<uint8_t*>(into);
  while (count > 0) {
    const ssize_t got = ::pread(Descriptor(handle_), out, count, static_cast<off_t>(offset));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      ThrowSystemError(errno, errorPath);
    }
    if (got == 0) {
      ThrowIoError(io_code::kReadBeyondEnd, errorPath);
    }
    out += got;
    offset += static_cast<uint64_t>(got);
    count -= static_cast<size_t>(got);
  }
}

size_t SystemFile::ReadUpTo(uint64_t offset, void* first, size_t firstCount, void* second,
                            size_t secondCount, const std::string& errorPath) const {
  iovec parts[2] = {{first, firstCount}, {second, secondCount}};
  iovec* part = parts;
  iovec* const end = parts + 2;
  size_t done = 0;
  while (part != end) {
    const ssize_t got =
        ::preadv(Descriptor(handle_), part, int(end - part), static_cast<off_t>(offset));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      ThrowSystemError(errno, errorPath);
    }
    if (got == 0) {
      break;  // the end of the file
    }
    done += size_t(got);
    offset += uint64_t(got);
    // A read may stop short: the next one goes on where it stopped.
    size_t left = size_t(got);
    while (part != end && left >= part->iov_len) {
      left -= part->iov_len;
      ++part;
    }
    if (part != end) {
      part->iov_base = static_cast<uint8_t*>(part->iov_base) + left;
      part->iov_len -= left;
    }
  }
  return done;
}

void SystemFile::WriteAt(uint64_t offset, const void* bytes, size_t count,
                         const std::string& errorPath) {
  const auto* in = static_cast<const uint8_t*>(bytes);
  while (count > 0) {
    const ssize_t put = ::pwrite(Descriptor(handle_), in, count, static_cast<off_t>(offset));
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      ThrowSystemError(errno, errorPath);
    }
    if (put == 0) {
      ThrowIoError(io_code::kDiskFull, errorPath);
    }
    in += put;
    offset += static_cast<uint64_t>(put);
    count -= static_cast<size_t>(put);
  }
}

void SystemFile::StartWritingOut(uint64_t offset, uint64_t count) const {
#ifdef SYNC_FILE_RANGE_WRITE
  // Its failure costs nothing: the sync before the file is put in place
  // writes the same bytes and reports what goes wrong.
  ::sync_file_range(Descriptor(handle_), static_cast<off_t>(offset), static_cast<off_t>(count),
                    SYNC_FILE_RANGE_WRITE);
#else
  static_cast<void>(offset);
  static_cast<void>(count);
#endif
}

std::optional<SystemFile::Failure> SystemFile::WriteAllAndClose(const void* bytes, size_t count) {
  const auto* in = static_cast<const uint8_t*>(bytes);
  size_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(Descriptor(handle_), in + done, count - done);
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      const int err = put < 0 ? errno : ENOSPC;
      Close();
      return Failure{done, FailureReason(err, "")};
    }
    done += size_t(put);
  }
  const int closed = ::close(Descriptor(std::exchange(handle_, -1)));
  if (closed != 0 && errno != EINTR) {
    return Failure{done, FailureReason(errno, "")};
  }
  return std::nullopt;
}

void SystemFile::Close() {
  if (handle_ >= 0) {
    ::close(Descriptor(std::exchange(handle_, -1)));
  }
}

void SystemFile::MoveIntoPlace(const std::string& temporary, const std::string& target) {
  const int fd = Descriptor(std::exchange(handle_, -1));
  // A replaced file keeps its permissions.
  struct stat info {};
  const bool replacing = ::stat(target.c_str(), &info) == 0;
  // Synced before the rename: after a power cut the target holds the earlier
  // file or the complete new one, never an empty or partial one.
  const bool ready =
      !(replacing && ::fchmod(fd, info.st_mode & 07777) != 0) && SyncOrUnsupported(fd);
  const int err = errno;
  if (::close(fd) != 0 || !ready) {
    ThrowSystemError(ready ? errno : err, target);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    ThrowSystemError(errno, target);
  }
  SyncFolder(SplitPath(target).folder);
}

void LetStandardOutputFail() {
  ::signal(SIGPIPE, SIG_IGN);
}

std::optional<OutputFailure> WriteStandardOutput(const char* bytes, size_t count) {
  size_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(STDOUT_FILENO, bytes + done, count - done);
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      const int err = put < 0 ? errno : ENOSPC;
      return OutputFailure{err == EPIPE, FailureReason(err, "")};
    }
    done += size_t(put);
  }
  return std::nullopt;
}

std::optional<OutputFailure> CloseStandardOutput() {
  if (::close(STDOUT_FILENO) != 0 && errno != EBADF && errno != EINTR) {
    return OutputFailure{errno == EPIPE, FailureReason(errno, "")};
  }
  return std::nullopt;
}

bool RemovePlainFile(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.c_str()) == 0;
}

std::vector<std::string> FolderEntryNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!listing) {
    return names;
  }
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  }
  ::closedir(listing);
  return names;
}

std::string MakeTemporaryFolder(const std::string& namePrefix) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + namePrefix + "XXXXXX";
  return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

bool MakeFolder(const std::string& path) {
  return ::mkdir(path.c_str(), 0777) == 0;
}

std::string CurrentFolder() {
  std::string folder(4096, '\0');
  while (::getcwd(folder.data(), folder.size()) == nullptr) {
    if (errno != ERANGE) {
      return {};
    }
    folder.resize(folder.size() * 2);
  }
  folder.resize(folder.find('\0'));
  return folder;
}

long CurrentProcessId() {
  return long(::getpid());
}

bool ProcessIsGone(long pid) {
  // EPERM: the process runs under another user, so it is not gone.
  return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace kelvane
