// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/def_texts.h"

#include <new>
#include <ostream>

#include "base/errors.h"
#include "cli/build_command.h"
#include "cli/printable_text.h"

namespace kelvane::cli {

std::string HexName(const DefFrameName& name) {
  std::string out;
  for (const uint8_t byte : name) {
    out += HexByte(byte);
  }
  return out;
}

}  // namespace kelvane::cli

namespace kelvane::cli {

std::string ErrorLine(const Error& error) {
  return "kelvane-cli: " + OneLineText(WithPath(error.what(), error.path())) + "\n";
}

int RunReportingErrors(std::ostream& err, const std::function<int()>& work) {
  try {
    return work();
  } catch (const Error& error) {
    err << ErrorLine(error);
  } catch (const std::bad_alloc&) {
    err << "kelvane-cli: Out of memory\n";
  }
  return kExitFailed;
}

}  // namespace kelvane::cli
