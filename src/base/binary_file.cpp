#include "base/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/errors.h"
#include "base/path_parts.h"

namespace kelvane {

namespace {

// A NUL would end the name early and so name another file.
bool IsUsableName(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

int OpenOrThrow(const std::string& path, int flags, mode_t mode = 0) {
  if (!IsUsableName(path)) {
    ThrowIoError(io_code::kInvalidFilename, path);
  }
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  if (fd < 0) {
    ThrowErrno(errno, path);
  }
  return fd;
}

}  // namespace

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
    ThrowIoError(io_code::kAccessDenied, path);
  }
  size_ = static_cast<uint64_t>(info.st_size);
  identity_ = {uint64_t(info.st_dev), uint64_t(info.st_ino)};
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

ReplacingFileWriter::ReplacingFileWriter(const std::string& targetPath) : target_(targetPath) {
  if (!IsUsableName(target_) || target_.back() == '/') {
    ThrowIoError(io_code::kInvalidFilename, target_);
  }
  struct stat info {};
  if (::stat(target_.c_str(), &info) == 0) {
    // Replacing by rename would bypass the target's own permissions: refuse what
    // could not be overwritten in place.
    if (S_ISDIR(info.st_mode) || ::access(target_.c_str(), W_OK) != 0) {
      ThrowIoError(io_code::kAccessDenied, target_);
    }
    replaces_ = FileIdentity{uint64_t(info.st_dev), uint64_t(info.st_ino)};
  }
  const auto [folder, name] = SplitPath(target_);
  // Created like any new file (mode 0666 less the umask); O_EXCL keeps it ours.
  for (unsigned attempt = 0;; ++attempt) {
    std::string candidate = folder + "." + name + "." + std::to_string(::getpid()) + "." +
                            std::to_string(attempt) + ".part";
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_ = std::move(candidate);
      return;
    }
    if (errno != EEXIST || attempt == 1000) {
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
  WriteAt(position_, bytes, count);
  position_ += count;
}

void ReplacingFileWriter::WriteAt(uint64_t offset, const void* bytes, size_t count) {
  const auto* in = static_cast<const uint8_t*>(bytes);
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
  // A replaced file keeps its permissions.
  struct stat info {};
  const bool replacing = ::stat(target_.c_str(), &info) == 0;
  if ((replacing && ::fchmod(fd_, info.st_mode & 07777) != 0) || ::close(fd_) != 0) {
    const int err = errno;
    fd_ = -1;
    ThrowErrno(err, target_);
  }
  fd_ = -1;
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    ThrowErrno(errno, target_);
  }
  committed_ = true;
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
