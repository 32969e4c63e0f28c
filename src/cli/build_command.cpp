#include "cli/build_command.h"

#include <unistd.h>

#include <ostream>

#include "cli/build_request.h"
#include "cli/terminal_host.h"
#include "cli/width_warnings.h"
#include "compiler/compile_driver.h"
#include "framelist/frame_list.h"

namespace kelvane::cli {

namespace {

FrameList ListFromRequest(const BuildRequest& request) {
  FrameList list;
  for (const auto& entry : request.entries) {
    list.Append(entry);
  }
  for (const int position : request.checkedPositions) {
    list.SetChecked(size_t(position - 1), true);
  }
  return list;
}

void PrintFailure(const CompileOutcome& outcome, std::ostream& err) {
  err << "kelvane-cli: " << outcome.message;
  if (!outcome.path.empty() && outcome.message.find(outcome.path) == std::string::npos) {
    err << " (" << outcome.path << ")";
  }
  err << "\n";
}

}  // namespace

void PrintBuildHelp(std::ostream& out) {
  out << R"(Usage: kelvane-cli build [options] ENTRY...

Builds a DEF file from 256-colour BMP frames. Each ENTRY is the path of a BMP
frame, or / alone for a group separator, which closes a group (an animation).
A separator is added after the last frame when the list does not end with one.

Options:
  -o PATH          output DEF file (default: Temp.def in the current folder)
  --type N         frame type: 0 Buttons,backgrounds,mosters. (default)
                   1 Roads,shadows - Disabled   2 Map object   3 Terrain
  --format N       DEF type by position, $49 - N: 0 $49 ... 9 $40
                   (default: 2 for type 0, 4 for types 1 and 3, 6 for type 2)
  --monster N      type of monster position, -1 (none, default) to 14 (Custom)
  --groups A,B,..  group numbers by group (at most 22, default all 0); the first
                   starts the numbering, "Custom" (--monster 14) uses them all
  --shadow         generate a shadow
  --outline        draw the selection outline on checked frames
  --check P,P,..   check the entries at these 1-based positions (separators count)
  --fixed WxH      fixed frame size, e.g. --fixed 450x400
  --x N, --y N     placement offsets subtracted from every frame's margins
  --mask TEXT      frame-name mask: TEXT plus the two characters before the
                   extension (runner10.bmp with Hero_A gives Hero_A10.pcx)
  --check-palette  check that every frame's palette matches the first frame's
  --yes            go on when the palette check finds a difference
  -q, --quiet      no progress bar
  -h, --help       this text

Exit status: 0 the DEF was written; 1 it was not (the reason is on stderr, and
an earlier file at the output path is left as it was); 2 usage error; 3 the
palette check found a difference and --yes was not given.
)";
}

int RunBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  BuildRequest request;
  if (auto usage = ParseBuildArguments(args, request)) {
    err << "kelvane-cli: " << *usage << "\nTry 'kelvane-cli build --help'.\n";
    return kExitUsage;
  }
  if (request.help) {
    PrintBuildHelp(out);
    return kExitOk;
  }
  for (const auto& warning : MapObjectWidthWarnings(request)) {
    err << "kelvane-cli: warning: " << warning << "\n";
  }
  CompileState state;
  if (request.groupNumbers) {
    state.groupNumbers = *request.groupNumbers;
  }
  FrameList list = ListFromRequest(request);
  const bool drawProgress = !request.quiet && ::isatty(STDERR_FILENO);
  TerminalHost host(err, drawProgress, request.answerYes);
  const CompileOutcome outcome = CreateDefFile(state, list, request.options, host);
  switch (outcome.status) {
    case CompileOutcome::Status::Written:
      return kExitOk;
    case CompileOutcome::Status::Cancelled:
      return kExitPaletteRefused;
    case CompileOutcome::Status::Failed:
      PrintFailure(outcome, err);
      return kExitFailed;
    case CompileOutcome::Status::Stopped:
      break;
  }
  return kExitFailed;
}

}  // namespace kelvane::cli
