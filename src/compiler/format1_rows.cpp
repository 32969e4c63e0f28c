// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/format1_rows.h"

#include <algorithm>

#include "base/def_layout.h"

namespace kelvane {

namespace {

constexpr size_t kMaxRun = 254;
constexpr size_t kMaxLiteralRun = 255;

// Indices 0 to 7 are coded as runs, however short; the others as literals.
bool IsCodedAsRun(uint8_t index) {
  return index <= kRowLastRunIndex;
}

const uint8_t* AppendRun(const uint8_t* p, const uint8_t* end, std::vector<uint8_t>& out) {
  const uint8_t colour = *p;
  const uint8_t* runEnd = std::find_if(p, end, [colour](uint8_t i) { return i != colour; });
  for (size_t remaining = size_t(runEnd - p); remaining > 0;) {
    const size_t length = std::min(remaining, kMaxRun);
    out.push_back(colour);
    out.push_back(static_cast<uint8_t>(length - 1));
    remaining -= length;
  }
  return runEnd;
}

const uint8_t* AppendLiteralRun(const uint8_t* p, const uint8_t* end, std::vector<uint8_t>& out) {
  const uint8_t* runEnd = std::find_if(p, end, IsCodedAsRun);
  while (p != runEnd) {
    const size_t length = std::min(size_t(runEnd - p), kMaxLiteralRun);
    out.push_back(kRowLiteralCode);
    out.push_back(static_cast<uint8_t>(length - 1));
    out.insert(out.end(), p, p + length);
    p += length;
  }
  return runEnd;
}

}  // namespace

void AppendFormat1Row(const uint8_t* begin, const uint8_t* end, std::vector<uint8_t>& out) {
  for (const uint8_t* p = begin; p != end;) {
    p = IsCodedAsRun(*p) ? AppendRun(p, end, out) : AppendLiteralRun(p, end, out);
  }
}

}  // namespace kelvane
