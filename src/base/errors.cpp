#include "base/errors.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "base/path_parts.h"

namespace kelvane {

Error::Error(ErrorKind kind, int code, const std::string& message, std::string path)
    : std::runtime_error(message), kind_(kind), code_(code), path_(std::move(path)) {}

std::string IoErrorMessage(int code) {
  switch (code) {
    case io_code::kFileNotFound:
      return "File not found";
    case io_code::kInvalidFilename:
      return "Invalid filename";
    case io_code::kTooManyOpenFiles:
      return "Too many open files";
    case io_code::kAccessDenied:
      return "File access denied";
    case io_code::kReadBeyondEnd:
      return "Read beyond end of file";
    case io_code::kDiskFull:
      return "Disk full";
    case io_code::kInvalidNumericInput:
      return "Invalid numeric input";
    default: {
      char text[32];
      std::snprintf(text, sizeof text, "I/O error %d", code);
      return text;
    }
  }
}

namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int IoCodeFromErrno(int err, const std::string& path) {
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
      return err;
  }
}

void ThrowIoError(int code, const std::string& path) {
  throw Error(ErrorKind::Io, code, IoErrorMessage(code), path);
}

void ThrowErrno(int err, const std::string& path) {
  ThrowIoError(IoCodeFromErrno(err, path), path);
}

void ThrowConversionError(const std::string& text) {
  throw Error(ErrorKind::Conversion, 0, "'" + text + "' is not a valid integer value");
}

void ThrowListIndexError(int index) {
  throw Error(ErrorKind::ListIndex, index,
              "List index out of bounds (" + std::to_string(index) + ")");
}

void ThrowInputError(const std::string& message, const std::string& path) {
  throw Error(ErrorKind::Input, 0, message, path);
}

}  // namespace kelvane
