// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kelvane {

// The help window's replacement text: help.txt in the folder the program
// started in. Help files written here are UTF-8; older ones are 8-bit Cyrillic
// (Windows-1251). The help is read whole up to a cap, so that a huge file
// cannot stall the window.

constexpr size_t kHelpFileReadCap = 1024 * 1024;
// Longer lines are shown unwrapped: wrapping them costs the view seconds.
constexpr size_t kHelpWrapLimit = 4096;

struct HelpFileText {
  std::string utf8;  // lines end with LF alone
  bool cut = false;  // the file was longer than kHelpFileReadCap; utf8 holds its start
  bool wrap = true;  // no line is longer than kHelpWrapLimit bytes
};

// The help file's path: the start folder joined with "help.txt".
std::string HelpFilePath(const std::string& startDirectory);

// The text of the help file in `startDirectory`, or none when there is no such
// file. A file that exists but cannot be read ends the command with its error.
std::optional<HelpFileText> ReadHelpFile(const std::string& startDirectory);

// Whether every line of `text` is at most kHelpWrapLimit bytes long.
bool LinesFitWrapping(const std::string& text);

// Decodes help text bytes: valid UTF-8 stays as it is, anything else is taken
// as Windows-1251. CR LF and a lone CR become LF. `cut` says the bytes stop
// at the cap, so that a UTF-8 character split there is dropped, not misread.
std::string DecodeHelpText(const std::string& bytes, bool cut);

}  // namespace kelvane
