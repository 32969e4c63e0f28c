// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/errors.h"

namespace kelvane {

namespace {

int OpenOrThrow(const std::string& path, int flags, mode_t mode = 0) {
  if (!IsUsableFileName(path)) {
    ThrowIoError(io_code::kInvalidFilename, path);
  }
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  if (fd < 0) {
    ThrowErrno(errno, path);
  }
  return fd;
}

std::string KindOfSpecialFile(mode_t mode) {
  if (S_ISFIFO(mode)) {
    return "a FIFO";
  }
  if (S_ISCHR(mode)) {
    return "a character device";
  }
  if (S_ISBLK(mode)) {
    return "a block device";
  }
  return S_ISSOCK(mode) ? "a socket" : "a special file";
}

}  // namespace

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  struct stat info {};
  if (!IsUsableFileName(path) || ::stat(path.c_str(), &info) != 0) {
    return std::nullopt;
  }
  return IdentityOf(info);
}

bool IsUsableFileName(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

InputFile::InputFile(const std::string& path) : path_(path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
  fd_ = OpenOrThrow(path, O_RDONLY | O_NONBLOCK);
  struct stat info {};
  if (::fstat(fd_, &info) != 0) {
    const int err = errno;
    ::close(fd_);
    ThrowErrno(err, path);
  }
  // Only a regular file has a size to trust and bytes that stay put.
  if (!S_ISREG(info.st_mode)) {
    ::close(fd_);
    if (S_ISDIR(info.st_mode)) {
      ThrowIoError(io_code::kAccessDenied, path);
    }
    ThrowInputError("\"" + path + "\" is " + KindOfSpecialFile(info.st_mode) +
                        ", not a regular file: it is not read",
                    path);
  }
  size_ = static_cast<uint64_t>(info.st_size);
  identity_ = IdentityOf(info);
}

InputFile::~InputFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

void InputFile::ReadAt(uint64_t offset, void* into, size_t count) const {
  auto* out = static_cast<uint8_t*>(into);
  while (count > 0) {
    const ssize_t got = ::pread(fd_, out, count, static_cast<off_t>(offset));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      ThrowErrno(errno, path_);
    }
    if (got == 0) {
      ThrowIoError(io_code::kReadBeyondEnd, path_);
    }
    out += got;
    offset += static_cast<uint64_t>(got);
    count -= static_cast<size_t>(got);
  }
}

size_t InputFile::ReadUpTo(uint64_t offset, void* first, size_t firstCount, void* second,
                           size_t secondCount) const {
  iovec parts[2] = {{first, firstCount}, {second, secondCount}};
  iovec* part = parts;
  iovec* const end = parts + 2;
  size_t done = 0;
  while (part != end) {
    const ssize_t got = ::preadv(fd_, part, int(end - part), static_cast<off_t>(offset));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      ThrowErrno(errno, path_);
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

void ReadWholeFile(const std::string& path, std::string& into, uint64_t largest) {
  const InputFile file(path);
  if (file.size() > largest) {
    ThrowInputError("\"" + path + "\" is " + std::to_string(file.size()) +
                        " bytes long, more than the " + std::to_string(largest) +
                        " bytes such a file may have",
                    path);
  }
  into.resize(file.size());
  file.ReadAt(0, into.data(), into.size());
}

}  // namespace kelvane
