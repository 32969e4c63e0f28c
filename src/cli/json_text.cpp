// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_text.h"

#include <cstdio>
#include <string_view>

#include "cli/printable_text.h"
#include "defread/def_texts.h"

namespace kelvane::cli {

namespace {

void AppendCodeEscape(std::string& out, unsigned char code) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
  out += escaped;
}

}  // namespace

std::string JsonString(const std::string& text, bool bytesAsLatin1) {
  const std::string_view bytes = text;
  std::string out = "\"";
  for (size_t at = 0; at < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (byte < 0x80 || bytesAsLatin1) {
      if (byte == '"' || byte == '\\') {
        out += '\\';
        out += char(byte);
      } else if (byte < 0x20 || byte >= 0x7F) {
        AppendCodeEscape(out, byte);
      } else {
        out += char(byte);
      }
      ++at;
      continue;
    }
    const size_t length = Utf8SequenceLength(bytes.substr(at));
    if (length == 0) {
      // The escape a terminal shows for the byte, as text: the JSON stays valid.
      out += "\\\\x" + HexByte(byte);
      ++at;
    } else if (byte == 0xC2 && static_cast<unsigned char>(bytes[at + 1]) < 0xA0) {
      AppendCodeEscape(out, static_cast<unsigned char>(bytes[at + 1]));  // a C1 control
      at += 2;
    } else {
      out.append(bytes.substr(at, length));
      at += length;
    }
  }
  return out + "\"";
}

}  // namespace kelvane::cli
