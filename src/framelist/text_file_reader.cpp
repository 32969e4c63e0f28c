// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/text_file_reader.h"

#include <algorithm>
#include <utility>

#include "base/checked_size.h"
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

TextFileReader::TextFileReader(std::string bytes, std::string name, const TextLimits& limits)
    : text_(std::move(bytes)), name_(std::move(name)) {
  const size_t end = text_.find(kEndOfFile);
  if (end != std::string::npos) {
    text_.resize(end);
  }
  CheckLimits(limits);
}

// Lines end as ReadLine ends them: at CR LF, at CR, or at LF.
void TextFileReader::CheckLimits(const TextLimits& limits) const {
  size_t lines = 0;
  for (size_t start = 0; start < text_.size();) {
    const size_t lineEnd = std::min(text_.find_first_of("\r\n", start), text_.size());
    ++lines;
    if (lineEnd - start > limits.longestLine) {
      ThrowInputError("line " + SizeText(lines) + " of \"" + name_ + "\" is " +
                          SizeText(lineEnd - start) + " bytes long, more than the " +
                          SizeText(limits.longestLine) + " a line may have",
                      name_);
    }
    const bool crlf =
        lineEnd + 1 < text_.size() && text_[lineEnd] == '\r' && text_[lineEnd + 1] == '\n';
    start = lineEnd + (crlf ? 2 : 1);
  }
  if (lines > limits.mostLines) {
    ThrowInputError("\"" + name_ + "\" has " + SizeText(lines) + " lines, more than the " +
                        SizeText(limits.mostLines) + " it may have",
                    name_);
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
