// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/def_commands.h"

#include "cli/convert_command.h"
#include "cli/extract_command.h"
#include "cli/info_command.h"
#include "cli/sheet_command.h"

namespace kelvane::cli {

CommandRunner DefCommand(const std::string& name) {
  if (name == "info") {
    return RunInfo;
  }
  if (name == "extract") {
    return RunExtract;
  }
  if (name == "sheet") {
    return RunSheet;
  }
  if (name == "convert") {
    return RunConvert;
  }
  if (name == "palette") {
    return RunPalette;
  }
  return nullptr;
}

}  // namespace kelvane::cli
