// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon into a PNG for the installed hicolor theme, so the
// menu shows the same picture as the window.
//   kelvane-icon-png SIZE OUT.png

#include <cstdlib>
#include <iostream>

#include "ui/pictures.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: kelvane-icon-png SIZE OUT.png\n";
    return 2;
  }
  const int size = std::atoi(argv[1]);
  if (size < 16 || size > 512) {
    std::cerr << "kelvane-icon-png: SIZE must be 16 to 512\n";
    return 2;
  }
  if (!kelvane::ui::ProgramIconImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::cerr << "kelvane-icon-png: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
