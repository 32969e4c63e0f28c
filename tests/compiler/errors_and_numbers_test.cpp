// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/int_text.h"
#include "compiler/build_advice.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

TEST(IoErrorMessage, NamesEachCode) {
  EXPECT_EQ(IoErrorMessage(2), "File not found");
  EXPECT_EQ(IoErrorMessage(3), "Invalid filename");
  EXPECT_EQ(IoErrorMessage(4), "Too many open files");
  EXPECT_EQ(IoErrorMessage(5), "File access denied");
  EXPECT_EQ(IoErrorMessage(100), "Read beyond end of file");
  EXPECT_EQ(IoErrorMessage(101), "Disk full");
  EXPECT_EQ(IoErrorMessage(106), "Invalid numeric input");
  EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
}

TEST(SystemErrors, ReachTheUserAsTheSameCodesOnEverySystem) {
  testing_support::TempDir dir;
  const auto openError = [](const std::string& path) {
    return testing_support::ErrorText([&path] { InputFile file(path); });
  };
  EXPECT_EQ(openError(dir.File("missing.bmp")), "File not found");
  EXPECT_EQ(openError(dir.File("gone/missing.bmp")), "Invalid filename");
  EXPECT_EQ(openError(dir.path()), "File access denied");
}

TEST(StrToInt, AcceptsSignedDecimalsWithLeadingBlanks) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("450"), 450);
  EXPECT_EQ(StrToInt("  -7"), -7);
  EXPECT_EQ(StrToInt("+12"), 12);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, RefusesEverythingElse) {
  for (const char* text : {"", " ", "-", "Auto", "12 ", "1.5", "0x10", "$10", "2147483648",
                           "-2147483649", "99999999999999999999", "1e3", "- 1"}) {
    EXPECT_FALSE(TryParseInt(text).has_value()) << text;
    try {
      StrToInt(text);
      ADD_FAILURE() << text;
    } catch (const Error& error) {
      EXPECT_EQ(error.kind(), ErrorKind::Conversion);
      EXPECT_EQ(std::string(error.what()),
                "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(PathToAdd, AddsThePathUnlessTheMessageNamesIt) {
  const struct {
    const char* message;
    const char* path;
    const char* shown;
  } cases[] = {
      {"File not found", "a.bmp", "File not found (a.bmp)"},
      {"\"a.bmp\" is a FIFO", "a.bmp", "\"a.bmp\" is a FIFO"},
      {"Disk full", "", "Disk full"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithPath(c.message, c.path), c.shown) << c.message;
  }
}

// Advice follows an error's kind and code: the same words from another kind
// of error get none.
TEST(FailureHints, TellErrorsApartByKindAndCode) {
  testing_support::TempDir dir;
  const std::string list = dir.File("frames.h3l");
  testing_support::WriteBytes(list, {'x'});
  const FrameDocument document;
  const auto hints = [&](ErrorKind kind, int code, const std::string& message) {
    return FailureHints(document, Error(kind, code, message, list), AdviceTerms{}, list).size();
  };
  EXPECT_EQ(hints(ErrorKind::Io, io_code::kInvalidNumericInput, "Invalid numeric input"), 1u);
  EXPECT_EQ(hints(ErrorKind::Input, 0, "Invalid numeric input"), 0u);
  EXPECT_EQ(hints(ErrorKind::Input, input_code::kDocumentOutputRefused, "any words"), 1u);
  EXPECT_EQ(hints(ErrorKind::Input, 0, "The document's output name \"/x\" is refused"), 0u);
}

}  // namespace
}  // namespace kelvane
