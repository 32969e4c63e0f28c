#pragma once

#include <string>

namespace kelvane {

// The options of one compilation, as the main window's controls hold them.
// Numbers stay texts: they are converted, and refused when they are not
// integers, at the moment the compilation needs them.
struct CompileOptions {
  int typePosition = -1;     // Type box: 0 format 1, 1 and 3 format 0, 2 format 3; -1 none
  int formatsPosition = -1;  // Formats box: DefType $49 - position; -1 none
  int monsterPosition = -1;  // Type of monster box; -1 none, 14 "Custom"
  std::string outputPath = "Temp.def";
  std::string nameMask;
  bool checkPalette = false;  // "Check For SolidColor"

  bool shadow = false;   // "Generate Shadow "
  bool outline = false;  // "Create Light border (For Check only)", checked entries only
  bool fixedSize = false;
  std::string fixedWidth = "0";
  std::string fixedHeight = "0";
  bool useX = false;
  std::string xText = "Auto";
  bool useY = false;
  std::string yText = "Auto";
};

}  // namespace kelvane
