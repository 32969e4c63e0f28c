// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace kelvane::cli {

// The length of the well-formed UTF-8 sequence (no overlong form, no
// surrogate, nothing above U+10FFFF) that starts `bytes`; 0 when none does,
// also when `bytes` end before the sequence would.
size_t Utf8SequenceLength(std::string_view bytes);

// `text` as it may be shown on a terminal: line ends and well-formed UTF-8 as
// they are; control bytes, tabs, the C1 controls U+0080..U+009F and every byte
// that is not part of well-formed UTF-8 as \xHH. File names, list lines and
// frame names are anybody's bytes, and an escape sequence among them would
// drive the terminal.
std::string PrintableText(std::string_view text);

// As PrintableText, with a line feed shown as \x0a too: for what must stay on
// its line, such as a path, a name or a message that quotes one, so that a
// name cannot fake further lines of output.
std::string OneLineText(std::string_view text);

// As OneLineText, cut to the whole characters and escapes that fit in
// `maxBytes` bytes.
std::string PrintablePrefix(std::string_view text, size_t maxBytes);

// An output stream whose text reaches `target`'s buffer as PrintableText makes
// it, in the order it is written. It holds back only the start of a UTF-8
// sequence that is not complete yet, until the sequence completes or the
// stream is flushed or destroyed. Like `target`, it flushes the stream that
// `target` is tied to (std::cout for std::cerr) before it writes.
class PrintableStream : public std::ostream {
 public:
  explicit PrintableStream(std::ostream& target);
  ~PrintableStream() override;

 private:
  class Filter : public std::streambuf {
   public:
    explicit Filter(std::streambuf* target) : target_(target) {}

   protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int_type overflow(int_type byte) override;
    int sync() override;

   private:
    bool Forward(std::string_view bytes);

    std::streambuf* target_;
    std::string held_;  // the start of an incomplete UTF-8 sequence
  };

  Filter filter_;
};

}  // namespace kelvane::cli
