// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/format1_rows.h"

#include <algorithm>
#include <cstring>

#include "prepare/byte_scan.h"

namespace kelvane {

namespace {

constexpr uint8_t kFirstLiteralIndex = 8;
constexpr size_t kMaxColourRun = 254;
constexpr size_t kMaxLiteralRun = 255;
constexpr uint8_t kLiteralCode = 0xFF;

// Each run's end is found eight pixels at a time.
uint8_t* EncodeColourRun(const uint8_t*& p, const uint8_t* end, uint8_t* out) {
  const uint8_t colour = *p;
  size_t run = FirstNotEqual(p, size_t(end - p), colour);
  p += run;
  for (; run > kMaxColourRun; run -= kMaxColourRun) {
    *out++ = colour;
    *out++ = uint8_t(kMaxColourRun - 1);
  }
  *out++ = colour;
  *out++ = uint8_t(run - 1);
  return out;
}

uint8_t* EncodeLiteralRun(const uint8_t*& p, const uint8_t* end, uint8_t* out) {
  for (size_t run = FirstBelow(p, size_t(end - p), kFirstLiteralIndex); run > 0;) {
    const size_t length = std::min(run, kMaxLiteralRun);
    *out++ = kLiteralCode;
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
    out = *p < kFirstLiteralIndex ? EncodeColourRun(p, end, out) : EncodeLiteralRun(p, end, out);
  }
  return out;
}

void AppendFormat1Row(const uint8_t* begin, const uint8_t* end, std::vector<uint8_t>& out) {
  const size_t before = out.size();
  out.resize(before + LargestFormat1Row(size_t(end - begin)));
  out.resize(size_t(EncodeFormat1Row(begin, end, out.data() + before) - out.data()));
}

}  // namespace kelvane
