// SPDX-License-Identifier: GPL-3.0-or-later
// What kelvane-cli shows of any bytes: no control byte but the line end, only
// well-formed UTF-8 without C1 controls, unchanged when shown again; the same
// through the stream however the bytes are split; JSON strings likewise clean.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/json_text.h"
#include "cli/printable_text.h"

namespace {

using kelvane::cli::Utf8SequenceLength;

// True when `text` could drive no terminal.
bool IsShowable(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const auto byte = static_cast<uint8_t>(text[at]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F) {
      return false;
    }
    if (byte < 0x80) {
      ++at;
      continue;
    }
    const size_t length = Utf8SequenceLength(text.substr(at));
    if (length == 0 || (byte == 0xC2 && static_cast<uint8_t>(text[at + 1]) < 0xA0)) {
      return false;
    }
    at += length;
  }
  return true;
}

void Check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string shown = kelvane::cli::PrintableText(input);
  Check(IsShowable(shown));
  Check(kelvane::cli::PrintableText(shown) == shown);

  // The input's own bytes pick where the stream's writes are cut.
  std::ostringstream target;
  {
    kelvane::cli::PrintableStream stream(target);
    for (size_t at = 0; at < size;) {
      const size_t piece = 1 + data[at] % 7;
      stream.write(input.data() + at, std::streamsize(std::min(piece, size - at)));
      at += piece;
    }
  }
  Check(target.str() == shown);

  const std::string json = kelvane::cli::JsonString(input);
  Check(IsShowable(json) && json.find('\n') == std::string::npos);
  return 0;
}
