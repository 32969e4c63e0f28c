// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <streambuf>
#include <vector>

#include "base/system_files.h"

namespace kelvane {

// Stands between std::cout and the process's standard output for the life of
// a command-line program, so that output that never arrived is not passed over
// in silence: every write is checked and the first failure kept; what follows
// a failure is dropped. While it lives, a reader that goes away (a closed pipe)
// makes a write fail instead of ending the process.
class CheckedStandardOutput {
 public:
  CheckedStandardOutput();
  ~CheckedStandardOutput();
  CheckedStandardOutput(const CheckedStandardOutput&) = delete;
  CheckedStandardOutput& operator=(const CheckedStandardOutput&) = delete;

  // Writes what is held and closes standard output: the first failure of a
  // write or of the close, if any.
  std::optional<OutputFailure> Finish();

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer();
    bool Flush();
    const std::optional<OutputFailure>& failure() const { return failure_; }
    void Fail(std::optional<OutputFailure> failure);

   protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

   private:
    std::vector<char> held_;
    std::optional<OutputFailure> failure_;
  };

  Buffer buffer_;
  std::streambuf* earlier_;
  bool finished_ = false;
};

}  // namespace kelvane
