// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <streambuf>
#include <vector>

namespace kelvane {

// Stands between std::cout and the process's standard output for the life of
// a command-line program, so that output that never arrived is not passed over
// in silence: every write is checked and the first failure kept.
//
// While it lives a reader that goes away (a closed pipe) no longer ends the
// process with SIGPIPE: the write fails with EPIPE instead, and the program
// decides what that means.
class CheckedStandardOutput {
 public:
  CheckedStandardOutput();
  ~CheckedStandardOutput();
  CheckedStandardOutput(const CheckedStandardOutput&) = delete;
  CheckedStandardOutput& operator=(const CheckedStandardOutput&) = delete;

  // Flushes what is held and closes standard output: the errno of the first
  // write or close that failed, 0 when everything was written.
  int Finish();

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer();
    bool Flush();
    int error() const { return error_; }
    void SetError(int error) { error_ = error_ != 0 ? error_ : error; }

   protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

   private:
    std::vector<char> held_;
    int error_ = 0;
  };

  Buffer buffer_;
  std::streambuf* earlier_;
  bool finished_ = false;
};

// Whether an error that Finish() returned means that the reader went away.
bool IsBrokenPipe(int error);

}  // namespace kelvane
