// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "base/errors.h"
#include "base/little_endian.h"
#include "defread/def_file.h"
#include "sampledefs/sample_defs.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

// Reads the whole DEF and decodes every frame; the error's text, or "" when
// the file reads cleanly.
std::string ReadFailure(const std::vector<uint8_t>& bytes) {
  try {
    DefReadLimits limits;
    limits.maxFramePixels = 1 << 20;
    const DefFile def(bytes, "damaged.def", limits);
    DefImage image;
    for (size_t g = 0; g < def.groups().size(); ++g) {
      for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
        def.DecodeFrame(g, f, image);
      }
    }
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::Input);
    return error.what();
  }
  return {};
}

// One sample DEF of each frame format, built once for the whole suite.
class DamagedDef : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new testing_support::TempDir;
    for (const auto& sample : sampledefs::BuildSampleDefs(folder_->path(), 5)) {
      const auto bytes = testing_support::ReadBytes(sample.path);
      const int32_t format = DefFile(bytes, sample.path).FrameHeaderOf(0, 0).format;
      if (files_[format].empty()) {
        files_[format] = bytes;
      }
    }
  }
  static void TearDownTestSuite() { delete folder_; }

  static testing_support::TempDir* folder_;
  static std::vector<uint8_t> files_[4];
};

testing_support::TempDir* DamagedDef::folder_ = nullptr;
std::vector<uint8_t> DamagedDef::files_[4];

TEST_F(DamagedDef, EveryTruncationIsAnErrorWithItsByteOffset) {
  for (int format = 0; format < 4; ++format) {
    const std::vector<uint8_t>& whole = files_[format];
    ASSERT_FALSE(whole.empty()) << format;
    ASSERT_EQ(ReadFailure(whole), "");
    for (size_t size = 0; size < whole.size(); ++size) {
      const std::string failure = ReadFailure({whole.begin(), whole.begin() + long(size)});
      ASSERT_NE(failure.find(", byte "), std::string::npos)
          << "format " << format << " cut to " << size << ": " << failure;
    }
  }
}

// The place of frame 2 of group 1, which every sample has.
struct Target {
  size_t entry = 0;  // group 1's entry
  size_t offsetField = 0;
  size_t block = 0;  // the frame's data block
  size_t data = 0;   // its encoded pixels
};

Target TargetOf(const std::vector<uint8_t>& bytes) {
  const DefFile def(bytes, "t.def");
  const DefGroupEntry& group = def.groups()[0];
  Target t;
  t.entry = group.entryOffset;
  t.offsetField = t.entry + 16 + 13 * group.frames.size() + 4;
  t.block = group.frames[1].offset;
  t.data = t.block + 32;
  return t;
}

void Put(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  StoreLe32(bytes.data() + at, value);
}

uint32_t Get(const std::vector<uint8_t>& bytes, size_t at) {
  return LoadLe32(bytes.data() + at);
}

struct DamageCase {
  const char* what;
  int format;  // -1: every format
  // Damages the file and returns a text the error must contain.
  std::function<std::string(std::vector<uint8_t>&, const Target&)> damage;
};

const std::string kFrame2 = ", frame 2, byte ";

TEST_F(DamagedDef, EachDamageNamesGroupFrameAndByte) {
  const DamageCase cases[] = {
      {"group count past the file", -1,
       [](auto& b, auto&) { return Put(b, 12, 0x7FFFFFFF), std::string("byte 12: GroupCount"); }},
      {"negative group count", -1,
       [](auto& b, auto&) { return Put(b, 12, 0xFFFFFFFF), std::string("byte 12: GroupCount"); }},
      {"frame count past the file", -1,
       [](auto& b, auto& t) {
         Put(b, t.entry + 4, 1000000);
         return ", byte " + std::to_string(t.entry + 4) + ": FrameCount";
       }},
      {"offset past the end", -1,
       [](auto& b, auto& t) {
         Put(b, t.offsetField, uint32_t(b.size()));
         return kFrame2 + std::to_string(t.offsetField) + ": the frame's offset";
       }},
      {"offset into the group entries", -1,
       [](auto& b, auto& t) {
         Put(b, t.offsetField, 800);
         return kFrame2 + std::to_string(t.offsetField);
       }},
      {"DataSize past the end", -1,
       [](auto& b, auto& t) {
         Put(b, t.block, uint32_t(b.size()));
         return kFrame2 + std::to_string(t.block) + ": DataSize";
       }},
      {"negative DataSize", -1,
       [](auto& b, auto& t) {
         return Put(b, t.block, 0xFFFFFFF0), kFrame2 + std::to_string(t.block);
       }},
      {"DataSize one short", -1,
       [](auto& b, auto& t) { return Put(b, t.block, Get(b, t.block) - 1), kFrame2; }},
      {"DataSize one long", -1,
       [](auto& b, auto& t) { return Put(b, t.block, Get(b, t.block) + 1), kFrame2; }},
      {"unknown format", -1,
       [](auto& b, auto& t) {
         Put(b, t.block + 4, 9);
         return kFrame2 + std::to_string(t.block + 4) + ": unknown frame format 9";
       }},
      {"full frame beyond the limit", -1,
       [](auto& b, auto& t) {
         Put(b, t.block + 8, 1 << 16);
         Put(b, t.block + 12, 1 << 16);
         return kFrame2 + std::to_string(t.block + 8);
       }},
      {"negative height", -1,
       [](auto& b, auto& t) {
         return Put(b, t.block + 20, 0xFFFFFFFF), kFrame2 + std::to_string(t.block + 16);
       }},
      {"wider stored image", -1,
       [](auto& b, auto& t) { return Put(b, t.block + 16, Get(b, t.block + 16) + 40), kFrame2; }},
      {"row table out of step", 1,
       [](auto& b, auto& t) {
         Put(b, t.data, Get(b, t.data) + 2);
         return kFrame2 + std::to_string(t.data) + ": row 1 is said to start";
       }},
      {"unknown segment code", 1,
       [](auto& b, auto& t) {
         const size_t code = t.data + Get(b, t.data);
         b[code] = 0x80;
         return kFrame2 + std::to_string(code) + ": row 1 holds the unknown segment code 0x80";
       }},
      {"first block offset", 3,
       [](auto& b, auto& t) {
         b[t.data] ^= 2;
         return kFrame2 + std::to_string(t.data) + ": the first block";
       }},
      {"segment across the block's end", 3,
       [](auto& b, auto& t) {
         const size_t code = t.data + LoadLe16(b.data() + t.data);
         b[code] = 0x1F;  // 32 transparent pixels, then the block's next code follows
         return kFrame2;
       }},
  };
  for (const DamageCase& c : cases) {
    for (int format = 0; format < 4; ++format) {
      if (c.format != -1 && c.format != format) {
        continue;
      }
      std::vector<uint8_t> bytes = files_[format];
      const std::string expected = c.damage(bytes, TargetOf(files_[format]));
      const std::string failure = ReadFailure(bytes);
      EXPECT_NE(failure.find(expected), std::string::npos)
          << c.what << ", format " << format << ": \"" << failure << "\" lacks \"" << expected
          << "\"";
      if (expected.find("frame") != std::string::npos) {
        EXPECT_NE(failure.find("\"damaged.def\", group 1 (number "), std::string::npos) << failure;
      }
    }
  }
}

}  // namespace
}  // namespace kelvane
