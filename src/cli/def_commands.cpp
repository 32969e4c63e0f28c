#include "cli/def_commands.h"

#include "cli/extract_command.h"
#include "cli/info_command.h"

namespace kelvane::cli {

CommandRunner DefCommand(const std::string& name) {
  if (name == "info") {
    return RunInfo;
  }
  if (name == "extract") {
    return RunExtract;
  }
  return nullptr;
}

}  // namespace kelvane::cli
