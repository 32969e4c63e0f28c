// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "base/held_signals.h"
#include "cli/build_command.h"
#include "cli/build_request.h"

namespace kelvane::cli {

// Whether the request builds several DEFs: --list with more than one
// document, or with a folder.
bool IsBatch(const BuildRequest& request);

// The documents a batch builds: those named, and the *.h3l files of each
// folder named, by name, in order.
std::vector<std::string> BatchDocuments(const std::vector<std::string>& lists);

// `kelvane-cli build --list A.h3l B.h3l ...`: builds each document's DEF as
// `build --list DOC` would, several at once (-j), under one progress bar.
// Then one line per document, in the order given: the "wrote ..." line (or,
// with --json, a JSON object that also names the document) or what stopped
// it, with its warnings and messages, each of these lines naming the
// document. A failure stops the others only with --fail-fast. Questions are
// answered by --yes, or Cancel. Exit status as for one build: 128 and the
// signal's number when stopped by one; else 1 when any document was not
// built; else 3 when a palette check's answer was no; else 0. `terminal` is
// the stream under `err`, for the bar's control sequences.
int RunBatch(const BuildRequest& request, std::ostream& out, std::ostream& err,
             std::ostream& terminal, const Console& console, const StopSignals& signals);

}  // namespace kelvane::cli
