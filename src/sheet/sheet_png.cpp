#include <algorithm>
#include <array>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "sheet/contact_sheet.h"

// The PNG is written here rather than through an image library: linking one
// would load dozens of shared libraries into every run of kelvane-cli, the
// builder's included, for the one command that draws a sheet.

namespace kelvane {

namespace {

class Crc32 {
 public:
  Crc32() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) {
        c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      }
      table_[n] = c;
    }
  }
  uint32_t Of(const uint8_t* bytes, size_t count) const {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < count; ++i) {
      c = table_[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
  }

 private:
  std::array<uint32_t, 256> table_{};
};

void PutBe32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(uint8_t(value >> shift));
  }
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data,
              const Crc32& crc) {
  PutBe32(out, uint32_t(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, crc.Of(out.data() + typeAt, out.size() - typeAt));
}

// Deflate with the fixed codes, matching only what a sheet repeats: the pixel
// before and the row above. Far from the best compression, but a few lines,
// and it takes the sheet's flat backgrounds to a fraction of their size.
class FixedDeflate {
 public:
  explicit FixedDeflate(std::vector<uint8_t>& out) : out_(out) { Bits(0b011, 3); }  // last, fixed

  void Literal(uint8_t byte) {
    if (byte < 144) {
      Code(0x30 + byte, 8);
    } else {
      Code(0x190 + (byte - 144), 9);
    }
  }

  // A match of 3 to 258 bytes at 1 to 32768 back.
  void Match(size_t length, size_t distance) {
    size_t code = 0;
    while (code + 1 < kLengthBase.size() && kLengthBase[code + 1] <= length) {
      ++code;
    }
    const size_t symbol = 257 + code;
    if (symbol < 280) {
      Code(uint32_t(symbol - 256), 7);
    } else {
      Code(uint32_t(0xC0 + symbol - 280), 8);
    }
    Bits(uint32_t(length - kLengthBase[code]), LengthExtra(code));
    size_t d = 0;
    while (d + 1 < 30 && DistanceBase(d + 1) <= distance) {
      ++d;
    }
    Code(uint32_t(d), 5);
    Bits(uint32_t(distance - DistanceBase(d)), DistanceExtra(d));
  }

  void Finish() {
    Code(0, 7);  // end of block
    if (count_ > 0) {
      out_.push_back(uint8_t(buffer_));
    }
  }

 private:
  static constexpr std::array<uint16_t, 29> kLengthBase = {
      3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static int LengthExtra(size_t code) { return code < 8 || code == 28 ? 0 : int(code - 4) / 4; }
  static int DistanceExtra(size_t code) { return code < 4 ? 0 : int(code - 2) / 2; }
  static size_t DistanceBase(size_t code) {
    return code < 4 ? code + 1 : (size_t(2 + code % 2) << DistanceExtra(code)) + 1;
  }

  // Huffman codes go most significant bit first.
  void Code(uint32_t code, int length) {
    uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) {
      reversed |= ((code >> i) & 1) << (length - 1 - i);
    }
    Bits(reversed, length);
  }
  void Bits(uint32_t value, int count) {
    buffer_ |= uint64_t(value) << count_;
    count_ += count;
    while (count_ >= 8) {
      out_.push_back(uint8_t(buffer_));
      buffer_ >>= 8;
      count_ -= 8;
    }
  }

  std::vector<uint8_t>& out_;
  uint64_t buffer_ = 0;
  int count_ = 0;
};

size_t MatchLength(const std::vector<uint8_t>& raw, size_t at, size_t distance) {
  constexpr size_t kLongest = 258;
  size_t length = 0;
  while (at + length < raw.size() && length < kLongest &&
         raw[at + length] == raw[at + length - distance]) {
    ++length;
  }
  return length;
}

// The rows, each opened by filter type 0, as a zlib stream.
std::vector<uint8_t> ZlibRows(const ContactSheet& sheet) {
  const size_t rowBytes = size_t(sheet.width) * 4;
  std::vector<uint8_t> raw;
  raw.reserve((rowBytes + 1) * size_t(sheet.height));
  for (int32_t y = 0; y < sheet.height; ++y) {
    raw.push_back(0);
    const auto row = sheet.rgba.begin() + long(rowBytes * size_t(y));
    raw.insert(raw.end(), row, row + long(rowBytes));
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  FixedDeflate deflate(z);
  constexpr size_t kFarthest = 32768;
  const size_t distances[2] = {4, rowBytes + 1};
  for (size_t at = 0; at < raw.size();) {
    size_t best = 0;
    size_t bestDistance = 0;
    for (const size_t distance : distances) {
      if (distance <= at && distance <= kFarthest) {
        const size_t length = MatchLength(raw, at, distance);
        if (length > best) {
          best = length;
          bestDistance = distance;
        }
      }
    }
    if (best >= 3) {
      deflate.Match(best, bestDistance);
      at += best;
    } else {
      deflate.Literal(raw[at++]);
    }
  }
  deflate.Finish();
  uint32_t a = 1;
  uint32_t b = 0;
  for (const uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBe32(z, b << 16 | a);
  return z;
}

std::vector<uint8_t> EncodePng(const ContactSheet& sheet) {
  const Crc32 crc;
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBe32(header, uint32_t(sheet.width));
  PutBe32(header, uint32_t(sheet.height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no interlace
  PutChunk(png, "IHDR", header, crc);
  PutChunk(png, "IDAT", ZlibRows(sheet), crc);
  PutChunk(png, "IEND", {}, crc);
  return png;
}

}  // namespace

void WriteContactSheetPng(const DefFile& def, const std::string& path) {
  const ContactSheet sheet = DrawContactSheet(def);
  if (sheet.width <= 0 || sheet.height <= 0) {
    ThrowInputError("the contact sheet could not be encoded as PNG", path);
  }
  const std::vector<uint8_t> png = EncodePng(sheet);
  ReplacingFileWriter file(path);
  file.Write(png);
  file.Commit();
}

}  // namespace kelvane
