// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/format1_rows.h"

#include <algorithm>
#include <cstring>

#include "base/def_layout.h"
#include "prepare/byte_scan.h"

namespace kelvane {

namespace {

// Indices 0 to kRowLastRunIndex are coded as runs, however short; the others as literals.
constexpr uint8_t kFirstLiteralIndex = kRowLastRunIndex + 1;
constexpr size_t kMaxRun = 254;
constexpr size_t kMaxLiteralRun = 255;

// Each run's end is found eight pixels at a time.
uint8_t* EncodeRun(const uint8_t*& p, const uint8_t* end, uint8_t* out) {
  const uint8_t colour = *p;
  size_t run = FirstNotEqual(p, size_t(end - p), colour);
  p += run;
  for (; run > kMaxRun; run -= kMaxRun) {
    *out++ = colour;
    *out++ = uint8_t(kMaxRun - 1);
  }
  *out++ = colour;
  *out++ = uint8_t(run - 1);
  return out;
}

uint8_t* EncodeLiteralRun(const uint8_t*& p, const uint8_t* end, uint8_t* out) {
  for (size_t run = FirstBelow(p, size_t(end - p), kFirstLiteralIndex); run > 0;) {
    const size_t length = std::min(run, kMaxLiteralRun);
    *out++ = kRowLiteralCode;
    *out++ = uint8_t(length - 1);
    std::memcpy(out, p, length);
    out += length;
    p += length;
    run -= length;
  }
  return out;
}

}  // namespace

uint8_t* EncodeFormat1Row(const uint8_t* begin, const uint8_t* end, uint8_t* out) {
  for (const uint8_t* p = begin; p != end;) {
    out = *p < kFirstLiteralIndex ? EncodeRun(p, end, out) : EncodeLiteralRun(p, end, out);
  }
  return out;
}

void AppendFormat1Row(const uint8_t* begin, const uint8_t* end, std::vector<uint8_t>& out) {
  const size_t before = out.size();
  out.resize(before + LargestFormat1Row(size_t(end - begin)));
  out.resize(size_t(EncodeFormat1Row(begin, end, out.data() + before) - out.data()));
}

}  // namespace kelvane
