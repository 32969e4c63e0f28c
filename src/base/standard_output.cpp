// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/standard_output.h"

#include <algorithm>
#include <iostream>

namespace kelvane {

namespace {
constexpr size_t kHeldBytes = size_t{64} << 10;
}  // namespace

CheckedStandardOutput::Buffer::Buffer() : held_(kHeldBytes) {
  setp(held_.data(), held_.data() + held_.size());
}

void CheckedStandardOutput::Buffer::Fail(std::optional<OutputFailure> failure) {
  if (!failure_) {
    failure_ = std::move(failure);
  }
}

bool CheckedStandardOutput::Buffer::Flush() {
  if (!failure_ && pptr() > pbase()) {
    Fail(WriteStandardOutput(pbase(), size_t(pptr() - pbase())));
  }
  setp(held_.data(), held_.data() + held_.size());
  return !failure_;
}

CheckedStandardOutput::Buffer::int_type CheckedStandardOutput::Buffer::overflow(int_type byte) {
  if (!Flush()) {
    return traits_type::eof();
  }
  if (!traits_type::eq_int_type(byte, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(byte);
    pbump(1);
  }
  return traits_type::not_eof(byte);
}

std::streamsize CheckedStandardOutput::Buffer::xsputn(const char* bytes, std::streamsize count) {
  std::streamsize done = 0;
  while (done < count) {
    if (pptr() == epptr() && !Flush()) {
      return done;
    }
    const std::streamsize part = std::min(std::streamsize(epptr() - pptr()), count - done);
    traits_type::copy(pptr(), bytes + done, size_t(part));
    pbump(int(part));
    done += part;
  }
  return done;
}

int CheckedStandardOutput::Buffer::sync() {
  return Flush() ? 0 : -1;
}

CheckedStandardOutput::CheckedStandardOutput() : earlier_(std::cout.rdbuf(&buffer_)) {
  LetStandardOutputFail();
}

CheckedStandardOutput::~CheckedStandardOutput() {
  if (!finished_) {
    buffer_.Flush();
  }
  std::cout.rdbuf(earlier_);
}

std::optional<OutputFailure> CheckedStandardOutput::Finish() {
  finished_ = true;
  buffer_.Flush();
  buffer_.Fail(CloseStandardOutput());
  return buffer_.failure();
}

}  // namespace kelvane
