// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_command.h"

#include <new>
#include <ostream>

#include "base/errors.h"
#include "cli/build_command.h"
#include "cli/def_texts.h"
#include "cli/printable_text.h"
#include "defread/def_file.h"
#include "sheet/contact_sheet.h"

namespace kelvane::cli {

int RunSheet(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  static const char kUsage[] = "Usage: kelvane-cli sheet FILE.def OUT.png\n";
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return kExitOk;
  }
  if (args.size() != 2 || args[0].empty() || args[0][0] == '-' || args[1].empty() ||
      args[1][0] == '-') {
    err << kUsage;
    return kExitUsage;
  }
  return RunReportingErrors(err, [&] {
    WriteContactSheetPng(DefFile::Open(args[0]), args[1]);
    return kExitOk;
  });
}

}  // namespace kelvane::cli
