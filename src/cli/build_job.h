// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "cli/build_request.h"
#include "compiler/build_advice.h"
#include "compiler/compile_state.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

// Everything the build of one DEF works on, gathered from the command line
// and a document, and where it says what it has to say.
struct BuildJob {
  BuildJob(const BuildRequest& request, std::ostream& err, std::string label)
      : request(request), err(err), label(std::move(label)) {}

  const BuildRequest& request;
  std::ostream& err;
  std::string label;  // starts each line on `err`: "kelvane-cli: ", with the document in a batch
  CompileState state;
  FrameDocument document;
};

// Gathers the job's list and settings (reading its document), says the
// warnings about them, refuses an output that would replace an input and
// writes --save-list. Returns a usage error's text; throws the system's Error.
std::optional<std::string> PrepareJob(BuildJob& job);

// The system's message as it is, with the file it concerns, then any hints.
// Returns kExitFailed.
int Failure(const BuildJob& job, const Error& failure);

// Removes, and says so, the temporary files of the job's output that a
// killed build left behind.
void RemoveLeftovers(const BuildJob& job);

// Warns about the map object frames, of `frames` as the build read them,
// whose width is not a whole number of blocks.
void WarnAboutWidths(const BuildJob& job, const std::vector<FrameWidth>& frames);

// Says that the DEF is written: the "wrote ..." line, unless -q, or with
// --json the summary object (naming `document` in a batch), on `out`, or on
// `err` when the DEF itself went to standard output. Returns kExitOk.
int ReportWritten(const BuildJob& job, uint64_t bytes, std::ostream& out, std::ostream& err,
                  bool outIsProcessOutput, const std::string* document = nullptr);

}  // namespace kelvane::cli
