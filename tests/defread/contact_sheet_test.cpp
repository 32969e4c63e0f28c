// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "base/little_endian.h"
#include "sheet/contact_sheet.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

// One group numbered 7 with one format 0 frame: index 0 at (0, 0), the shadow
// index 4 at (1, 0) and index 9 at (2, 0).
std::vector<uint8_t> OneTileDef() {
  std::vector<uint8_t> def;
  for (const int32_t field : {0x45, 32, 32, 1}) {
    PutLe32(def, field);
  }
  def.resize(784);
  def[16 + 3 * 4] = 100;
  def[16 + 3 * 4 + 2] = 50;
  def[16 + 3 * 9] = 10;
  def[16 + 3 * 9 + 1] = 20;
  def[16 + 3 * 9 + 2] = 30;
  for (const int32_t field : {7, 1, 0, 0}) {
    PutLe32(def, field);
  }
  def.resize(def.size() + 13, 'a');
  PutLe32(def, uint32_t(def.size() + 4));
  for (const int32_t field : {1024, 0, 32, 32, 32, 32, 0, 0}) {
    PutLe32(def, field);
  }
  def.resize(def.size() + 1024);
  def[def.size() - 1024 + 1] = 4;
  def[def.size() - 1024 + 2] = 9;
  return def;
}

TEST(ContactSheet, FramesOnACheckerboardUnderTheirGroupNumber) {
  const ContactSheet sheet = DrawContactSheet(DefFile(OneTileDef(), "tile.def"));
  ASSERT_EQ(sheet.width, 64);
  ASSERT_EQ(sheet.height, 8 + 14 + 32 + 8);
  auto pixel = [&](int x, int y) {
    const uint8_t* p = &sheet.rgba[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4];
    return std::vector<int>{p[0], p[1], p[2], p[3]};
  };
  EXPECT_EQ(pixel(8, 8), (std::vector<int>{0, 0, 0, 255}));  // top bar of the 7
  EXPECT_EQ(pixel(8, 22), (std::vector<int>{204, 204, 204, 255}));
  EXPECT_EQ(pixel(9, 22), (std::vector<int>{152, 102, 127, 255}));
  EXPECT_EQ(pixel(10, 22), (std::vector<int>{10, 20, 30, 255}));
  EXPECT_EQ(pixel(8 + 8, 22), (std::vector<int>{153, 153, 153, 255}));
}

TEST(ContactSheet, WritesAPngThatDecodesToTheSheet) {
  testing_support::TempDir dir;
  const DefFile def(OneTileDef(), "tile.def");
  WriteContactSheetPng(def, dir.File("sheet.png"));
  const auto png = testing_support::ReadBytes(dir.File("sheet.png"));
  const QImage decoded =
      QImage::fromData(png.data(), int(png.size()), "PNG").convertToFormat(QImage::Format_RGBA8888);
  const ContactSheet sheet = DrawContactSheet(def);
  ASSERT_EQ(decoded.width(), sheet.width);
  ASSERT_EQ(decoded.height(), sheet.height);
  for (int y = 0; y < sheet.height; ++y) {
    const uint8_t* row = sheet.rgba.data() + size_t(y) * size_t(sheet.width) * 4;
    ASSERT_TRUE(std::equal(row, row + sheet.width * 4, decoded.constScanLine(y))) << "row " << y;
  }
}

}  // namespace
}  // namespace kelvane
