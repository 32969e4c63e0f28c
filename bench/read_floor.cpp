// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the builder is timed against: reads every file it is given, whole,
// into one reused buffer, and, with --write PATH SIZE, then writes SIZE bytes
// to PATH and syncs them to disk, as the builder syncs its DEF
// before putting it in place. Nothing else. The "/" that closes a group is
// skipped, so it takes a build's list as is.
//   kelvane-bench-floor [--write PATH SIZE] FILE...

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The bytes go out in chunks of one small buffer, as a writer that produces
// its output piece by piece sends them.
bool WriteSynced(const char* path, size_t size) {
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    return false;
  }
  static const std::vector<uint8_t> chunk(size_t{1} << 16);
  bool ok = true;
  for (size_t done = 0; ok && done < size;) {
    const ssize_t put = ::write(fd, chunk.data(), std::min(chunk.size(), size - done));
    ok = put > 0;
    done += ok ? size_t(put) : 0;
  }
  ok = ::fsync(fd) == 0 && ok;
  return ::close(fd) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const char* output = nullptr;
  size_t outputSize = 0;
  if (argc > 3 && std::strcmp(argv[1], "--write") == 0) {
    output = argv[2];
    outputSize = size_t(std::strtoull(argv[3], nullptr, 10));
    first = 4;
  }
  std::vector<uint8_t> buffer;
  for (int i = first; i < argc; ++i) {
    if (std::strcmp(argv[i], "/") == 0) {
      continue;
    }
    if (!ReadWhole(argv[i], buffer)) {
      std::fprintf(stderr, "kelvane-bench-floor: cannot read %s\n", argv[i]);
      return 1;
    }
  }
  if (output != nullptr && !WriteSynced(output, outputSize)) {
    std::fprintf(stderr, "kelvane-bench-floor: cannot write %s\n", output);
    return 1;
  }
  return 0;
}
