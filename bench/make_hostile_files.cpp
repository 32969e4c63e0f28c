// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the hostile DEFs and DefLists that bench/hostile times the reading
// commands on, at the sizes people have tried on the tool.
//   kelvane-bench-hostile FOLDER
#include <cstdio>
#include <string>

#include "hostile/hostile_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: kelvane-bench-hostile FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const auto def = [&folder](const std::string& name, const std::vector<uint8_t>& bytes) {
    return hostile::WriteFile(folder + "/" + name, bytes);
  };
  const auto list = [&folder](const std::string& name, const std::string& text) {
    return hostile::WriteFile(folder + "/" + name, text);
  };
  const bool written = def("wrap.def", hostile::WrappingSheetDef()) &&
                       def("tall.def", hostile::TallSheetDef()) &&
                       def("onename.def", hostile::OneNameDef(16000)) &&
                       def("safename.def", hostile::SameSafeNameDef(16000)) &&
                       def("shared.def", hostile::SharedFrameDef(200000, 8192)) &&
                       def("big.def", hostile::SharedFrameDef(10, 8192)) &&
                       def("groups.def", hostile::ManyGroupsDef(8000000)) &&
      def("groups1m.def", hostile::ManyGroupsDef(size_t{1} << 20)) &&
                       list("empty16.h3l", hostile::EmptyLinesDefList(size_t{16} << 20)) &&
                       list("empty64.h3l", hostile::EmptyLinesDefList(size_t{64} << 20)) &&
                       list("longline.h3l", hostile::LongLineDefList(16, size_t{1} << 20));
  if (!written) {
    std::fprintf(stderr, "kelvane-bench-hostile: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
