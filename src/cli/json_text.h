// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvane::cli {

// `text` as a JSON string literal. Paths are taken to be UTF-8: well-formed
// UTF-8 passes as it is (control characters as \u00XX), and a byte that is
// not part of it becomes the text \xHH, as a terminal shows it. With
// `bytesAsLatin1` each byte above 127 stands for the character of its code
// instead (frame names, which are bytes, not text). Nothing in the result is
// changed by PrintableText.
std::string JsonString(const std::string& text, bool bytesAsLatin1 = false);

}  // namespace kelvane::cli
