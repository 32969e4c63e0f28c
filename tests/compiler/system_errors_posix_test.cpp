// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>

#include "base/errors.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

TEST(IoCodeFromSystemError, MapsSystemErrors) {
  testing_support::TempDir dir;
  EXPECT_EQ(IoCodeFromSystemError(ENOENT, dir.File("missing.bmp")), 2);
  EXPECT_EQ(IoCodeFromSystemError(ENOENT, dir.File("gone/missing.bmp")), 3);
  EXPECT_EQ(IoCodeFromSystemError(ENOTDIR, "a/b"), 3);
  EXPECT_EQ(IoCodeFromSystemError(EMFILE, "a"), 4);
  EXPECT_EQ(IoCodeFromSystemError(EACCES, "a"), 5);
  EXPECT_EQ(IoCodeFromSystemError(EROFS, "a"), 5);
  EXPECT_EQ(IoCodeFromSystemError(ENOSPC, "a"), 101);
  EXPECT_EQ(IoCodeFromSystemError(EIO, "a"), EIO);
}

}  // namespace
}  // namespace kelvane
