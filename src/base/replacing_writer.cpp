// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/replacing_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/errors.h"
#include "base/part_files.h"
#include "base/path_parts.h"

namespace kelvane {

namespace {

// The standard output or error this process writes to when it is `target`.
int StandardStreamAt(const FileIdentity& target) {
  for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat info {};
    if (::fstat(stream, &info) == 0 && IdentityOf(info) == target) {
      return stream;
    }
  }
  return -1;
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

[[noreturn]] void ThrowInPlaceFailure(int err, const std::string& path, size_t written,
                                      size_t total) {
  const std::string why = err == EPIPE ? "the program reading it stopped reading"
                                       : IoErrorMessage(IoCodeFromErrno(err, path));
  ThrowInputError("Writing into \"" + path + "\" in place stopped after " +
                      std::to_string(written) + " of " + std::to_string(total) + " bytes: " + why,
                  path);
}

}  // namespace

ReplacingFileWriter::ReplacingFileWriter(const std::string& targetPath) : target_(targetPath) {
  if (!IsUsableFileName(target_) || target_.back() == '/') {
    ThrowIoError(io_code::kInvalidFilename, target_);
  }
  struct stat info {};
  if (::stat(target_.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      ThrowIoError(io_code::kAccessDenied, target_);
    }
    replaces_ = IdentityOf(info);
    if (OpenInPlace(*replaces_, S_ISREG(info.st_mode))) {
      return;
    }
    // Replacing by rename would bypass the target's own permissions: refuse what
    // could not be overwritten in place.
    if (::access(target_.c_str(), W_OK) != 0) {
      ThrowIoError(io_code::kAccessDenied, target_);
    }
  }
  OpenTemporary();
}

bool ReplacingFileWriter::OpenInPlace(const FileIdentity& target, bool regular) {
  struct stat link {};
  const bool named = ::lstat(target_.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
  // "/dev/stdout" and its kind name an open stream: renaming over them would
  // replace a system link, so the bytes go into the stream itself.
  const int stream = named ? StandardStreamAt(target) : -1;
  if (stream >= 0) {
    fd_ = ::fcntl(stream, F_DUPFD_CLOEXEC, 0);
  } else if (!regular) {
    // Without O_NONBLOCK a FIFO nobody reads would keep the build waiting.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0 && errno == ENXIO) {
      ThrowInputError("No program is reading from \"" + target_ + "\"", target_);
    }
    // A slow reader is then waited for, as by any program that writes to it.
    if (fd_ >= 0) {
      ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    }
  } else {
    return false;
  }
  if (fd_ < 0) {
    ThrowErrno(errno, target_);
  }
  inPlace_ = true;
  return true;
}

void ReplacingFileWriter::OpenTemporary() {
  const auto [folder, name] = SplitPath(target_);
  // Created like any new file (mode 0666 less the umask); O_EXCL keeps it ours.
  for (unsigned attempt = 0;; ++attempt) {
    std::string candidate = PartFilePath(folder, name, long(::getpid()), attempt);
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_ = std::move(candidate);
      return;
    }
    if (errno != EEXIST || attempt == kLastPartAttempt) {
      ThrowErrno(errno, target_);
    }
  }
}

ReplacingFileWriter::~ReplacingFileWriter() {
  if (!committed_) {
    Discard();
  }
}

void ReplacingFileWriter::Write(const void* bytes, size_t count) {
  if (inPlace_ || count >= kGatheredBelow) {
    WriteAt(position_, bytes, count);
    position_ += count;
    return;
  }
  if (!gathered_.empty() && gatheredAt_ + gathered_.size() != position_) {
    WriteGathered();
  }
  if (gathered_.empty()) {
    gatheredAt_ = position_;
  }
  const auto* in = static_cast<const uint8_t*>(bytes);
  gathered_.insert(gathered_.end(), in, in + count);
  position_ += count;
  size_ = std::max(size_, position_);
  if (gathered_.size() >= kGatheredUpTo) {
    WriteGathered();
  }
}

void ReplacingFileWriter::WriteAt(uint64_t offset, const void* bytes, size_t count) {
  WriteGathered();  // what was gathered comes first, as it was written first
  const auto* in = static_cast<const uint8_t*>(bytes);
  size_ = std::max(size_, offset + count);
  if (inPlace_) {
    held_.resize(size_);
    std::copy(in, in + count, held_.begin() + long(offset));
    return;
  }
  WriteOut(offset, in, count);
}

void ReplacingFileWriter::WriteGathered() {
  if (!gathered_.empty()) {
    WriteOut(gatheredAt_, gathered_.data(), gathered_.size());
    gathered_.clear();
  }
}

void ReplacingFileWriter::WriteOut(uint64_t offset, const uint8_t* in, size_t count) {
  while (count > 0) {
    const ssize_t put = ::pwrite(fd_, in, count, static_cast<off_t>(offset));
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      ThrowErrno(errno, target_);
    }
    if (put == 0) {
      ThrowIoError(io_code::kDiskFull, target_);
    }
    in += put;
    offset += static_cast<uint64_t>(put);
    count -= static_cast<size_t>(put);
  }
}

void ReplacingFileWriter::Commit() {
  WriteGathered();
  inPlace_ ? CommitInPlace() : CommitByRename();
  committed_ = true;
}

void ReplacingFileWriter::CommitInPlace() {
  size_t done = 0;
  while (done < held_.size()) {
    const ssize_t put = ::write(fd_, held_.data() + done, held_.size() - done);
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      ThrowInPlaceFailure(put < 0 ? errno : ENOSPC, target_, done, held_.size());
    }
    done += size_t(put);
  }
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0 && errno != EINTR) {
    ThrowInPlaceFailure(errno, target_, done, held_.size());
  }
}

void ReplacingFileWriter::CommitByRename() {
  // A replaced file keeps its permissions.
  struct stat info {};
  const bool replacing = ::stat(target_.c_str(), &info) == 0;
  // Synced before the rename: after a power cut the target holds the earlier
  // file or the complete new one, never an empty or partial one.
  if ((replacing && ::fchmod(fd_, info.st_mode & 07777) != 0) || !SyncOrUnsupported(fd_) ||
      ::close(fd_) != 0) {
    const int err = errno;
    fd_ = -1;
    ThrowErrno(err, target_);
  }
  fd_ = -1;
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    ThrowErrno(errno, target_);
  }
  SyncFolder(SplitPath(target_).folder);
}

void ReplacingFileWriter::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
  }
}

}  // namespace kelvane
