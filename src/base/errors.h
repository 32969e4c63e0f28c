// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
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

// Input errors that advice tells apart; every other Input error has code 0.
namespace input_code {
constexpr int kDocumentOutputRefused = 1;  // a DefList's output name leaves its folder
}  // namespace input_code

enum class ErrorKind {
  Io,           // a file operation failed; code() is the I/O error code
  System,       // a file operation failed in a way no I/O error code names;
                // code() is the system's own number (errno, or GetLastError())
  Conversion,   // a text that should hold an integer does not
  ListIndex,    // a read past the end of the frame list
  Input,        // input the tool refuses (bad BMP, value the DEF cannot hold, ...);
                // code() is an input_code, or 0
  OutOfMemory,  // the work needed more memory than there was
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
// operation on `path` onto the user's I/O error codes; none when no code
// describes it (a disk's read error is not "File access denied").
std::optional<int> IoCodeFromSystemError(int err, const std::string& path);
// The system's own words for its error `err`, in English whatever the
// language of the session, e.g. "Input/output error".
std::string SystemErrorText(int err);
// The message for the system's error `err` on `path`: the user's I/O error
// message when a code describes it, else the system's own words.
std::string SystemErrorMessage(int err, const std::string& path);

[[noreturn]] void ThrowIoError(int code, const std::string& path = {});
// An Io error when a code describes `err`, else a System error.
[[noreturn]] void ThrowSystemError(int err, const std::string& path);
[[noreturn]] void ThrowConversionError(const std::string& text);
[[noreturn]] void ThrowListIndexError(int index);
[[noreturn]] void ThrowInputError(const std::string& message, const std::string& path = {},
                                  int code = 0);

// The path to show with `message`: `path`, or "" when there is none or the
// message names it already. Every error box and error line adds it so.
std::string PathToAdd(const std::string& message, const std::string& path);
// `message`, followed by " (path)" when PathToAdd gives a path.
std::string WithPath(const std::string& message, const std::string& path);

}  // namespace kelvane
