#pragma once

#include <string>

namespace kelvane::cli {

// `text` as a JSON string literal. Bytes above 127 pass as they are (paths
// are taken to be UTF-8) unless `bytesAsLatin1`, when each stands for the
// character of its code (frame names, which are bytes, not text).
std::string JsonString(const std::string& text, bool bytesAsLatin1 = false);

}  // namespace kelvane::cli
