#include "cli/json_text.h"

#include <cstdio>

namespace kelvane::cli {

std::string JsonString(const std::string& text, bool bytesAsLatin1) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F || (bytesAsLatin1 && byte > 0x7F)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace kelvane::cli
