// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which a replacing writer makes a new file durable. This program
// puts its own fsync and rename in front of the C library's, so it records
// what the writer asks of the system: it is a test program of its own.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/replacing_writer.h"
#include "support/test_support.h"

namespace {

// What the writer asked for, in order; only this program's test touches it.
std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}

std::string PathOf(int fd) {
  char path[4096];
  const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
  return n > 0 ? std::string(path, size_t(n)) : "?";
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
  Calls().push_back("fsync " + PathOf(fd));
  return Next<int (*)(int)>("fsync")(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  Calls().push_back(std::string("rename ") + from + " " + to);
  return Next<int (*)(const char*, const char*)>("rename")(from, to);
}

namespace {

TEST(DurableReplaceTest, TheNewFileIsSyncedBeforeItsRenameAndTheFolderAfter) {
  testing_support::TempDir dir;
  const std::string target = dir.File("out.def");
  testing_support::WriteBytes(target, {'o', 'l', 'd'});
  {
    kelvane::ReplacingFileWriter writer(target);
    writer.Write(std::vector<uint8_t>{'n', 'e', 'w'});
    Calls().clear();
    writer.Commit();
  }
  const std::string part = dir.File(".out.def." + std::to_string(::getpid()) + ".0.part");
  EXPECT_EQ(Calls(), (std::vector<std::string>{"fsync " + part, "rename " + part + " " + target,
                                               "fsync " + dir.path()}));
  EXPECT_EQ(testing_support::ReadBytes(target), (std::vector<uint8_t>{'n', 'e', 'w'}));
}

}  // namespace
