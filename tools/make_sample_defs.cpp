// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the generated sample DEFs (and their frames) into a folder:
//   kelvane-make-sample-defs FOLDER [SEED]
// Prints the path of every DEF, one a line.
#include <cstdlib>
#include <exception>
#include <iostream>

#include "sampledefs/sample_defs.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: kelvane-make-sample-defs FOLDER [SEED]\n";
    return 2;
  }
  try {
    const unsigned seed = argc == 3 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1;
    for (const auto& sample : sampledefs::BuildSampleDefs(argv[1], seed)) {
      std::cout << sample.path << "\n";
    }
  } catch (const std::exception& error) {
    std::cerr << "kelvane-make-sample-defs: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
