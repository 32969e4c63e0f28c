// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvane {

// What a text document may hold, checked before anything is read from it.
struct TextLimits {
  size_t mostLines = SIZE_MAX;
  size_t longestLine = SIZE_MAX;  // bytes, without the line end
};

// Reads a text document by the rules DefLists have always been read with, so
// that every existing document keeps its meaning:
// - a line's text runs up to its first CR or LF; a CR and one LF right after
//   it end the line, and so does an LF alone (documents written by hand on
//   this system end their lines so; no document keeps an LF inside a path);
// - a character 26 (Ctrl-Z) ends the file just as the real end does;
// - reading at the end of the file gives an empty line, or 0 for an integer.
class TextFileReader {
 public:
  // `name` goes with the errors, so that they can say which file is meant. A
  // text with more lines, or a longer line, than `limits` allow ends the
  // command with an input error that says which line and how long.
  TextFileReader(std::string bytes, std::string name, const TextLimits& limits = TextLimits());

  bool AtEnd() const { return at_ >= text_.size(); }

  std::string ReadLine();

  // Skips blanks and line ends, takes the token of at most 32 characters above
  // the blank that follows and skips the rest of its line. A token that is not
  // a decimal integer with an optional sign ends the command with "Invalid
  // numeric input".
  int32_t ReadIntegerLine();

 private:
  void SkipRestOfLine();
  void CheckLimits(const TextLimits& limits) const;

  std::string text_;
  std::string name_;
  size_t at_ = 0;
};

}  // namespace kelvane
