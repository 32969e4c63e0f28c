// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "compiler/compile_driver.h"
#include "support/test_support.h"

namespace testing_support {

// A terrain compilation (format 0, DefType $45) of a document whose frames
// lie in one temporary folder and whose DEF goes to another.
class CompileTest : public ::testing::Test {
 protected:
  CompileTest() {
    options.typeIndex = 3;
    options.formatsIndex = 4;
    options.outputName = out.File("out.def");
  }

  std::string Frame(const std::string& name, int seed = 0) {
    return frames.Bmp(name, Tile32(seed));
  }
  kelvane::CompileOutcome Compile() { return kelvane::CreateDefFile(state, document, host); }
  // Compiles, expecting the DEF written, and returns its bytes.
  std::vector<uint8_t> CompiledBytes() {
    const auto outcome = Compile();
    EXPECT_EQ(outcome.status, kelvane::CompileOutcome::Status::Written) << outcome.message;
    return ReadBytes(options.outputName);
  }

  TempDir frames;
  TempDir out;
  kelvane::CompileState state;
  kelvane::FrameDocument document{{}, {}, {}, {}, {}};
  kelvane::FrameList& list = document.list;
  kelvane::WindowSettings& options = document.settings;
  RecordingHost host;
};

}  // namespace testing_support
