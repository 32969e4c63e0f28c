// SPDX-License-Identifier: GPL-3.0-or-later
#include "defread/def_texts.h"

#include "base/def_layout.h"
#include "base/verbatim_texts.h"

namespace kelvane {

std::string HexByte(uint8_t byte) {
  static constexpr char kHexDigits[] = "0123456789abcdef";
  return {kHexDigits[byte >> 4], kHexDigits[byte & 15]};
}

std::string FormatsTextOf(int32_t type) {
  const int position = PositionOfDefType(type);
  if (position < 0 || position >= int(text::kFormatsItems.size())) {
    return {};
  }
  return text::kFormatsItems[size_t(position)];
}

std::string ReadableName(const DefFrameName& name) {
  size_t end = name.size();
  while (end > 0 && name[end - 1] == 0) {
    --end;
  }
  std::string out;
  for (size_t i = 0; i < end; ++i) {
    const uint8_t byte = name[i];
    if (byte == '\\') {
      out += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += char(byte);
    } else {
      out += "\\x" + HexByte(byte);
    }
  }
  return out;
}

}  // namespace kelvane
