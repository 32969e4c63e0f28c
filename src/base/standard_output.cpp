// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/standard_output.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace kelvane {

namespace {
constexpr size_t kHeldBytes = size_t{64} << 10;
}  // namespace

CheckedStandardOutput::Buffer::Buffer() : held_(kHeldBytes) {
  setp(held_.data(), held_.data() + held_.size());
}

bool CheckedStandardOutput::Buffer::Flush() {
  const char* at = pbase();
  while (error_ == 0 && at < pptr()) {
    const ssize_t put = ::write(STDOUT_FILENO, at, size_t(pptr() - at));
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      SetError(put < 0 ? errno : EIO);
    } else {
      at += put;
    }
  }
  setp(held_.data(), held_.data() + held_.size());  // after a failure, what follows is dropped
  return error_ == 0;
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
    const auto room = std::streamsize(epptr() - pptr());
    const std::streamsize part = std::min(room, count - done);
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
  ::signal(SIGPIPE, SIG_IGN);
}

CheckedStandardOutput::~CheckedStandardOutput() {
  if (!finished_) {
    buffer_.Flush();
  }
  std::cout.rdbuf(earlier_);
}

int CheckedStandardOutput::Finish() {
  finished_ = true;
  buffer_.Flush();
  // Some file systems report a failed write only when the file is closed.
  if (::close(STDOUT_FILENO) != 0 && errno != EBADF && errno != EINTR) {
    buffer_.SetError(errno);
  }
  return buffer_.error();
}

bool IsBrokenPipe(int error) {
  return error == EPIPE;
}

}  // namespace kelvane
