// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_command.h"

#include <iostream>
#include <optional>

#include "base/errors.h"
#include "base/held_signals.h"
#include "base/part_files.h"
#include "base/system_files.h"
#include "cli/build_request.h"
#include "cli/build_summary.h"
#include "cli/build_warnings.h"
#include "cli/list_document.h"
#include "cli/overwrite_guards.h"
#include "cli/printable_text.h"
#include "cli/terminal_host.h"
#include "compiler/build_advice.h"
#include "compiler/compile_driver.h"
#include "compiler/def_groups.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

namespace {

FrameList ListFromEntries(const std::vector<std::string>& entries) {
  FrameList list;
  for (const auto& entry : entries) {
    list.Append(entry);
  }
  return list;
}

int UsageError(const std::string& text, std::ostream& err) {
  err << "kelvane-cli: " << OneLineText(text) << "\nTry 'kelvane-cli build --help'.\n";
  return kExitUsage;
}

// Everything a build works on, gathered from the command line and a document.
struct BuildJob {
  const BuildRequest& request;
  std::ostream& err;
  CompileState state;
  FrameDocument document;
};

// The system's message as it is, with the file it concerns (a separator read
// as a file shows as the / it was given as), then any hints.
int Failure(const BuildJob& job, const Error& failure) {
  std::ostream& err = job.err;
  const std::string path = PathToAdd(failure.what(), failure.path());
  err << "kelvane-cli: " << OneLineText(failure.what());
  if (!path.empty()) {
    err << " (" << (IsGroupSeparator(path) ? "/" : OneLineText(path)) << ")";
  }
  err << "\n";
  for (const auto& hint : FailureHints(job.request, job.document, failure)) {
    err << "kelvane-cli: hint: " << OneLineText(hint) << "\n";
  }
  return kExitFailed;
}

void GatherJob(BuildJob& job) {
  const BuildRequest& request = job.request;
  FrameDocument& document = job.document;
  if (request.listPath) {
    ReadListDocument(request, document);
  } else {
    document.list = ListFromEntries(request.entries);
  }
  document.settings = request.SettingsOver(document.settings);
  document.colours = request.ColoursOver(document.colours);
  document.settings.outputName = OutputPathFor(request, document.settings);
  document.settings.documentOutputName.clear();  // checked, or replaced by -o
  if (request.groupNumbers) {
    document.numbers = *request.groupNumbers;
  }
  for (const int position : request.checkedPositions) {
    if (size_t(position) <= document.list.Count()) {
      document.list.SetChecked(size_t(position - 1), true);
    }
  }
}

int ReportWritten(BuildJob& job, uint64_t bytes, std::ostream& out, bool outIsProcessOutput) {
  const std::string& path = job.document.settings.outputName;
  const auto groups = DefGroupsOf(job.document);
  // A DEF written to standard output keeps it for the DEF's bytes alone.
  std::ostream& report = outIsProcessOutput && IsStandardOutput(path) ? job.err : out;
  if (job.request.json) {
    WriteJsonSummary(report, path, groups, job.document.list, bytes);
  } else if (!job.request.quiet) {
    report << OneLineText(WrittenLine(path, groups, bytes)) << "\n";
  }
  return kExitOk;
}

// Temporary files of this output that a killed build left behind.
void RemoveLeftovers(const BuildJob& job) {
  for (const auto& leftover : RemoveLeftoverParts(job.document.settings.outputName)) {
    job.err << "kelvane-cli: removed " << OneLineText(leftover.path)
            << ", an incomplete DEF left by a build that did not finish (process " << leftover.pid
            << ")\n";
  }
}

// `terminal` is the stream under job.err, for the bar's control sequences.
int Compile(BuildJob& job, const Console& console, const StopSignals& signals, std::ostream& out,
            std::ostream& terminal) {
  const BuildRequest& request = job.request;
  std::ostream& err = job.err;
  TerminalOptions options;
  options.drawProgress = !request.quiet && console.errIsTerminal;
  options.askUser = console.in && console.inIsTerminal && console.errIsTerminal;
  options.answerYes = request.answerYes;
  std::istream& in = console.in ? *console.in : std::cin;
  RemoveLeftovers(job);
  err.flush();  // nothing held back may come out after what the host writes beneath it
  TerminalHost host(terminal, in, options, &signals);
  const bool hadOutput = FactsOfPath(job.document.settings.outputName).has_value();
  const CompileOutcome outcome = CreateDefFile(job.state, job.document, host);
  host.EndProgressLine();
  switch (outcome.status) {
    case CompileOutcome::Status::Written:
      return ReportWritten(job, outcome.bytes, out, console.outIsProcessOutput);
    case CompileOutcome::Status::Cancelled:
      return kExitPaletteRefused;
    case CompileOutcome::Status::Failed:
      return Failure(job, outcome.Failure());
    case CompileOutcome::Status::Interrupted: {
      const StopRequest stop = host.StopSignal().value_or(StopRequest{"a stop request", 130});
      err << "kelvane-cli: stopped by " << stop.name << ": nothing written"
          << (hadOutput ? ", " + OneLineText(job.document.settings.outputName) + " left as it was"
                        : "")
          << "\n";
      return stop.exitStatus;
    }
    case CompileOutcome::Status::Stopped:
      if (!job.document.list.IsEmpty()) {
        err << "kelvane-cli: nothing built: no Type or no Formats entry is chosen"
               " (give --type or --format)\n";
      }
      break;
  }
  return kExitFailed;
}

}  // namespace

Console ProcessConsole() {
  return {&std::cin, IsTerminal(StandardStream::Error), IsTerminal(StandardStream::Input)};
}

int RunBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Console console = ProcessConsole();
  // Only the process's own error stream is the terminal: a bar or a question
  // on another stream would reach nobody.
  console.errIsTerminal = console.errIsTerminal && &err == &std::cerr;
  console.outIsProcessOutput = &out == &std::cout;
  return RunBuild(args, out, err, console);
}

int RunBuild(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr,
             const Console& console) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  BuildRequest request;
  if (auto usage = ParseBuildArguments(args, request)) {
    return UsageError(*usage, err);
  }
  if (request.help || request.version) {
    request.help ? PrintBuildHelp(out) : PrintVersion(out);
    return kExitOk;
  }
  const StopSignals signals;
  BuildJob job{request, err, {}, {}};
  try {
    GatherJob(job);
    if (auto usage = CheckPositionsFit(request, job.document.list.Count())) {
      return UsageError(*usage, err);
    }
    for (const auto& warning : BuildWarnings(request, job.document)) {
      err << "kelvane-cli: warning: " << OneLineText(warning) << "\n";
    }
    RefuseOverwrittenInputs(request, job.document);
    if (request.saveListPath) {
      WriteListDocument(*request.saveListPath, job.document);
    }
  } catch (const Error& error) {
    return Failure(job, error);
  }
  return request.noBuild ? kExitOk : Compile(job, console, signals, out, rawErr);
}

}  // namespace kelvane::cli
