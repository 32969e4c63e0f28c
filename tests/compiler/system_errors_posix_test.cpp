// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>

#include "base/binary_file.h"
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
  // Numbers that are codes of their own in the user's set mean other things here.
  for (const int err : {EINTR, EIO, ENXIO, ENOMEM, EOVERFLOW}) {
    EXPECT_EQ(IoCodeFromSystemError(err, "a"), std::nullopt) << err;
  }
}

// Reading where the system has no bytes to give fails with EIO: an address
// of this process that nothing is mapped at, read through its memory file.
TEST(SystemErrors, AReadErrorIsTheSystemsOwnWithThePath) {
  const std::string path = "/proc/self/mem";
  if (!FactsOfPath(path)) {
    GTEST_SKIP() << "no " << path << " here";
  }
  const InputFile file(path);
  uint8_t byte = 0;
  try {
    file.ReadAt(0, &byte, 1);
    FAIL() << "a read at address 0 succeeded";
  } catch (const Error& error) {
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.code(), EIO);
    EXPECT_STREQ(error.what(), "Input/output error");
    EXPECT_EQ(error.path(), path);
  }
}

}  // namespace
}  // namespace kelvane
