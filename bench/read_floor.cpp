// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the builder is timed against: reads every file it is given, whole,
// into one reused buffer, and does nothing else. Arguments that name no file
// (the "/" that closes a group) are skipped, so it takes a build's list as is.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

bool ReadWhole(const char* path, std::vector<uint8_t>& buffer) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0;
  if (ok && buffer.size() < size_t(info.st_size)) {
    buffer.resize(size_t(info.st_size));
  }
  for (size_t done = 0; ok && done < size_t(info.st_size);) {
    const ssize_t got = ::read(fd, buffer.data() + done, size_t(info.st_size) - done);
    ok = got > 0;
    done += ok ? size_t(got) : 0;
  }
  ::close(fd);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<uint8_t> buffer;
  for (int i = 1; i < argc; ++i) {
    struct stat info {};
    if (::stat(argv[i], &info) != 0 || !S_ISREG(info.st_mode)) {
      continue;
    }
    if (!ReadWhole(argv[i], buffer)) {
      std::fprintf(stderr, "kelvane-bench-floor: cannot read %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
