// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_command.h"

#include <iostream>
#include <optional>

#include "base/errors.h"
#include "base/held_signals.h"
#include "base/system_files.h"
#include "cli/batch_build.h"
#include "cli/build_job.h"
#include "cli/build_request.h"
#include "cli/printable_text.h"
#include "cli/terminal_host.h"
#include "compiler/compile_driver.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

namespace {

int UsageError(const std::string& text, std::ostream& err) {
  err << "kelvane-cli: " << OneLineText(text) << "\nTry 'kelvane-cli build --help'.\n";
  return kExitUsage;
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
  WarnAboutWidths(job, host.OddWidths());
  switch (outcome.status) {
    case CompileOutcome::Status::Written:
      return ReportWritten(job, outcome.bytes, out, err, console.outIsProcessOutput);
    case CompileOutcome::Status::Cancelled:
      return kExitPaletteRefused;
    case CompileOutcome::Status::Failed:
      return Failure(job, outcome.Failure());
    case CompileOutcome::Status::Interrupted: {
      const StopRequest stop = host.StopSignal().value_or(StopRequest{"a stop request", 130});
      err << job.label << "stopped by " << stop.name << ": nothing written"
          << (hadOutput ? ", " + OneLineText(job.document.settings.outputName) + " left as it was"
                        : "")
          << "\n";
      return stop.exitStatus;
    }
    case CompileOutcome::Status::Stopped:
      if (!job.document.list.IsEmpty()) {
        err << job.label
            << "nothing built: no Type or no Formats entry is chosen"
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
  if (IsBatch(request)) {
    return RunBatch(request, out, err, rawErr, console, signals);
  }
  BuildJob job(request, err, "kelvane-cli: ");
  job.state.workers = request.jobs;
  try {
    if (auto usage = PrepareJob(job)) {
      return UsageError(*usage, err);
    }
  } catch (const Error& error) {
    return Failure(job, error);
  }
  return request.noBuild ? kExitOk : Compile(job, console, signals, out, rawErr);
}

}  // namespace kelvane::cli
