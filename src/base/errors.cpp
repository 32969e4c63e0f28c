// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/errors.h"

#include <cstdio>

#include "base/verbatim_texts.h"

namespace kelvane {

Error::Error(ErrorKind kind, int code, const std::string& message, std::string path)
    : std::runtime_error(message), kind_(kind), code_(code), path_(std::move(path)) {}

std::string IoErrorMessage(int code) {
  switch (code) {
    case io_code::kFileNotFound:
      return text::kFileNotFound;
    case io_code::kInvalidFilename:
      return text::kInvalidFilename;
    case io_code::kTooManyOpenFiles:
      return text::kTooManyOpenFiles;
    case io_code::kAccessDenied:
      return text::kFileAccessDenied;
    case io_code::kReadBeyondEnd:
      return text::kReadBeyondEnd;
    case io_code::kDiskFull:
      return text::kDiskFull;
    case io_code::kInvalidNumericInput:
      return text::kInvalidNumericInput;
    default: {
      char message[32];
      std::snprintf(message, sizeof message, text::kIoErrorFormat, code);
      return message;
    }
  }
}

void ThrowIoError(int code, const std::string& path) {
  throw Error(ErrorKind::Io, code, IoErrorMessage(code), path);
}

std::string SystemErrorMessage(int err, const std::string& path) {
  const std::optional<int> code = IoCodeFromSystemError(err, path);
  return code ? IoErrorMessage(*code) : SystemErrorText(err);
}

void ThrowSystemError(int err, const std::string& path) {
  if (const std::optional<int> code = IoCodeFromSystemError(err, path)) {
    ThrowIoError(*code, path);
  }
  throw Error(ErrorKind::System, err, SystemErrorText(err), path);
}

void ThrowConversionError(const std::string& field) {
  throw Error(ErrorKind::Conversion, 0,
              text::kNotAnIntegerBefore + field + text::kNotAnIntegerAfter);
}

void ThrowListIndexError(int index) {
  throw Error(ErrorKind::ListIndex, index,
              text::kListIndexBefore + std::to_string(index) + text::kListIndexAfter);
}

void ThrowInputError(const std::string& message, const std::string& path, int code) {
  throw Error(ErrorKind::Input, code, message, path);
}

std::string PathToAdd(const std::string& message, const std::string& path) {
  return message.find(path) == std::string::npos ? path : std::string();
}

std::string WithPath(const std::string& message, const std::string& path) {
  const std::string added = PathToAdd(message, path);
  return added.empty() ? message : message + " (" + added + ")";
}

}  // namespace kelvane
