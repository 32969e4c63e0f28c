// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/text_file_reader.h"

#include <utility>

#include "base/errors.h"
#include "base/int_text.h"

namespace kelvane {

namespace {
constexpr char kEndOfFile = 26;
constexpr size_t kLongestToken = 32;

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

TextFileReader::TextFileReader(std::string bytes, std::string name)
    : text_(std::move(bytes)), name_(std::move(name)) {
  const size_t end = text_.find(kEndOfFile);
  if (end != std::string::npos) {
    text_.resize(end);
  }
}

std::string TextFileReader::ReadLine() {
  const size_t lineEnd = text_.find_first_of("\r\n", at_);
  const size_t end = lineEnd == std::string::npos ? text_.size() : lineEnd;
  std::string line = text_.substr(at_, end - at_);
  at_ = end;
  SkipRestOfLine();
  return line;
}

void TextFileReader::SkipRestOfLine() {
  const size_t lineEnd = text_.find_first_of("\r\n", at_);
  if (lineEnd == std::string::npos) {
    at_ = text_.size();
    return;
  }
  at_ = lineEnd + 1;
  if (text_[lineEnd] == '\r' && at_ < text_.size() && text_[at_] == '\n') {
    ++at_;
  }
}

int32_t TextFileReader::ReadIntegerLine() {
  while (!AtEnd() && IsBlank(text_[at_])) {
    ++at_;
  }
  if (AtEnd()) {
    return 0;
  }
  const size_t start = at_;
  while (!AtEnd() && !IsBlank(text_[at_]) && at_ - start < kLongestToken) {
    ++at_;
  }
  const auto value = TryParseInt(text_.substr(start, at_ - start));
  if (!value) {
    ThrowIoError(io_code::kInvalidNumericInput, name_);
  }
  SkipRestOfLine();
  return *value;
}

}  // namespace kelvane
