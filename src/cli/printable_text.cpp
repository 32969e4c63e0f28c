// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/printable_text.h"

#include "base/text_encodings.h"
#include "defread/def_texts.h"

namespace kelvane::cli {

namespace {

// The bytes that show as they are: a character other than a control
// character, or a line end where line ends are kept.
bool ShownAsItIs(std::string_view character, bool keepLineFeeds) {
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) {
    return (keepLineFeeds && character[0] == '\n') || (first >= 0x20 && first < 0x7F);
  }
  const bool c1Control = first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
  return !c1Control;
}

std::string Shown(std::string_view text, size_t maxBytes, bool keepLineFeeds) {
  std::string shown;
  for (size_t at = 0; at < text.size();) {
    const std::string_view rest = text.substr(at);
    const size_t length = Utf8StartOf(rest).length;
    const bool asItIs = length > 0 && ShownAsItIs(rest.substr(0, length), keepLineFeeds);
    const std::string escape =
        asItIs ? std::string() : "\\x" + HexByte(static_cast<unsigned char>(rest[0]));
    const std::string_view unit = asItIs ? rest.substr(0, length) : std::string_view(escape);
    if (shown.size() + unit.size() > maxBytes) {
      break;
    }
    shown += unit;
    at += asItIs ? length : 1;
  }
  return shown;
}

}  // namespace

size_t Utf8SequenceLength(std::string_view bytes) {
  return bytes.empty() ? 0 : Utf8StartOf(bytes).length;
}

std::string PrintablePrefix(std::string_view text, size_t maxBytes) {
  return Shown(text, maxBytes, false);
}

std::string PrintableText(std::string_view text) {
  return Shown(text, std::string::npos, true);
}

std::string OneLineText(std::string_view text) {
  return Shown(text, std::string::npos, false);
}

PrintableStream::PrintableStream(std::ostream& target)
    : std::ostream(nullptr), filter_(target.rdbuf()) {
  rdbuf(&filter_);
  tie(target.tie());
}

PrintableStream::~PrintableStream() {
  flush();
}

std::streamsize PrintableStream::Filter::xsputn(const char* bytes, std::streamsize count) {
  held_.append(bytes, size_t(count));
  // Only the last three bytes can be the start of an incomplete sequence.
  size_t complete = held_.size();
  for (size_t tail = 1; tail <= 3 && tail <= held_.size(); ++tail) {
    if (Utf8StartOf(std::string_view(held_).substr(held_.size() - tail)).truncated) {
      complete = held_.size() - tail;
      break;
    }
  }
  const bool forwarded = Forward(std::string_view(held_).substr(0, complete));
  held_.erase(0, complete);
  return forwarded ? count : 0;
}

PrintableStream::Filter::int_type PrintableStream::Filter::overflow(int_type byte) {
  if (traits_type::eq_int_type(byte, traits_type::eof())) {
    return traits_type::not_eof(byte);
  }
  const char c = traits_type::to_char_type(byte);
  return xsputn(&c, 1) == 1 ? byte : traits_type::eof();
}

int PrintableStream::Filter::sync() {
  const bool forwarded = Forward(held_);
  held_.clear();
  return forwarded && target_->pubsync() == 0 ? 0 : -1;
}

bool PrintableStream::Filter::Forward(std::string_view bytes) {
  if (bytes.empty()) {
    return true;
  }
  if (target_ == nullptr) {
    return false;
  }
  const std::string shown = PrintableText(bytes);
  return target_->sputn(shown.data(), std::streamsize(shown.size())) ==
         std::streamsize(shown.size());
}

}  // namespace kelvane::cli
