// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// Input/output error codes as the user sees them in error boxes.
namespace io_code {
constexpr int kFileNotFound = 2;
constexpr int kInvalidFilename = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kReadBeyondEnd = 100;
constexpr int kDiskFull = 101;
constexpr int kInvalidNumericInput = 106;
}  // namespace io_code

enum class ErrorKind {
  Io,          // a file operation failed; code() is the I/O error code
  Conversion,  // a text that should hold an integer does not
  ListIndex,   // a read past the end of the frame list
  Input,       // input the tool refuses (bad BMP, value the DEF cannot hold, ...)
};

// Ends the running command. what() is the exact text shown to the user;
// path() names the file involved when there is one, for tools that print context.
class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, int code, const std::string& message, std::string path = {});

  ErrorKind kind() const { return kind_; }
  int code() const { return code_; }
  const std::string& path() const { return path_; }

 private:
  ErrorKind kind_;
  int code_;
  std::string path_;
};

std::string IoErrorMessage(int code);

// Maps the system's error code (errno, or GetLastError() on Windows) from an
// operation on `path` onto the user's I/O error codes.
int IoCodeFromSystemError(int err, const std::string& path);

[[noreturn]] void ThrowIoError(int code, const std::string& path = {});
[[noreturn]] void ThrowSystemError(int err, const std::string& path);
[[noreturn]] void ThrowConversionError(const std::string& text);
[[noreturn]] void ThrowListIndexError(int index);
[[noreturn]] void ThrowInputError(const std::string& message, const std::string& path = {});

}  // namespace kelvane
