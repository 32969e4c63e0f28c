// SPDX-License-Identifier: GPL-3.0-or-later
#include "defread/def_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kelvane {
namespace {

// A DEF read back may hold any type code: only the ten listed have a text.
TEST(DefTexts, FormatsTextOfEveryTypeCode) {
  const struct {
    int32_t type;
    const char* text;
  } cases[] = {
      {0x49, "$49 {Heroes On Map}"},
      {0x42, "$42 (Monsters)"},
      {0x40, "$40 {Spells in Battle}"},
      {0x4a, ""},
      {0x3f, ""},
      {std::numeric_limits<int32_t>::min(), ""},
      {std::numeric_limits<int32_t>::max(), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatsTextOf(c.type), c.text) << c.type;
  }
}

}  // namespace
}  // namespace kelvane
