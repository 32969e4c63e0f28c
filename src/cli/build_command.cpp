#include "cli/build_command.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <ostream>

#include "base/errors.h"
#include "base/verbatim_texts.h"
#include "cli/build_request.h"
#include "cli/list_document.h"
#include "cli/terminal_host.h"
#include "cli/width_warnings.h"
#include "compiler/compile_driver.h"
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

void PrintFailure(const std::string& message, const std::string& path, std::ostream& err) {
  err << "kelvane-cli: " << message;
  if (!path.empty() && message.find(path) == std::string::npos) {
    err << " (" << path << ")";
  }
  err << "\n";
}

int UsageError(const std::string& text, std::ostream& err) {
  err << "kelvane-cli: " << text << "\nTry 'kelvane-cli build --help'.\n";
  return kExitUsage;
}

// Everything a build works on, gathered from the command line and a document.
struct BuildJob {
  CompileState state;
  FrameDocument document;
};

void GatherJob(const BuildRequest& request, BuildJob& job) {
  FrameDocument& document = job.document;
  if (request.listPath) {
    ReadListDocument(request, document);
  } else {
    document.list = ListFromEntries(request.entries);
  }
  document.settings = request.SettingsOver(document.settings);
  document.settings.outputName = OutputPathFor(request, document.settings);
  if (request.groupNumbers) {
    document.numbers = *request.groupNumbers;
  }
}

int Compile(const BuildRequest& request, BuildJob& job, std::ostream& err) {
  const FrameDocument& document = job.document;
  for (const auto& warning : MapObjectWidthWarnings(document.settings, document.list)) {
    err << "kelvane-cli: warning: " << warning << "\n";
  }
  const bool drawProgress = !request.quiet && ::isatty(STDERR_FILENO);
  TerminalHost host(err, drawProgress, request.answerYes);
  const CompileOutcome outcome = CreateDefFile(job.state, job.document, host);
  switch (outcome.status) {
    case CompileOutcome::Status::Written:
      return kExitOk;
    case CompileOutcome::Status::Cancelled:
      return kExitPaletteRefused;
    case CompileOutcome::Status::Failed:
      PrintFailure(outcome.message, outcome.path, err);
      return kExitFailed;
    case CompileOutcome::Status::Stopped:
      if (!document.list.IsEmpty()) {
        err << "kelvane-cli: nothing built: no Type or no Formats entry is chosen"
               " (give --type or --format)\n";
      }
      break;
  }
  return kExitFailed;
}

}  // namespace

namespace {

// The items of one of the window's boxes, by position, two to a line.
template <size_t N>
std::string ItemLines(const std::string& heading, const std::array<const char*, N>& items) {
  std::string lines = "  " + heading + "\n";
  for (size_t i = 0; i < N; ++i) {
    std::string item = (i < 10 ? " " : "") + std::to_string(i) + " " + items[i];
    if (i % 2 == 0 && i + 1 < N) {
      item.resize(std::max<size_t>(item.size() + 2, 32), ' ');
    }
    lines +=
        (i % 2 == 0 ? "                  " : "") + item + (i % 2 == 1 || i + 1 == N ? "\n" : "");
  }
  return lines;
}

}  // namespace

void PrintBuildHelp(std::ostream& out) {
  out << R"(Usage: kelvane-cli build [options] ENTRY...
       kelvane-cli build [options] --list DOC

Builds a DEF file from 256-colour BMP frames. Each ENTRY is the path of a BMP
frame, or / alone for a group separator, which closes a group (an animation).
A separator is added after the last frame when the list does not end with one.

Options:
  -o PATH          output DEF file (default: Temp.def in the current folder)
)" << ItemLines("--type N         frame type (default 0):", text::kTypeItems)
      << ItemLines("--format N       DEF type (default: the type's own, as in the window):",
                   text::kFormatsItems)
      << ItemLines("--monster N      type of monster (default -1, none):", text::kMonsterItems)
      << R"(  --groups A,B,..  group numbers by group (at most 22, default all 0); the first
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

DefList documents (*.h3l):
  --list DOC       build the frames and group numbers of the document DOC, with
                   its settings (fixed size and output name included); the
                   options above override them. Relative paths in DOC are
                   taken from DOC's folder; without -o the DEF goes to DOC's
                   output name
  --list-type N    2 (default): DOC starts with its 15 settings lines;
                   1: DOC holds the list lines alone (settings as without DOC)
  --save-list DOC  also write the DefList for this command: its frames, group
                   numbers and settings, with every path made absolute
  --no-build       with --save-list: write the document only

Exit status: 0 the DEF (or document) was written; 1 it was not (the reason is
on stderr, and an earlier file at the output path is left as it was); 2 usage
error; 3 the palette check found a difference and --yes was not given.
)";
}

int RunBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  BuildRequest request;
  if (auto usage = ParseBuildArguments(args, request)) {
    return UsageError(*usage, err);
  }
  if (request.help) {
    PrintBuildHelp(out);
    return kExitOk;
  }
  BuildJob job;
  try {
    GatherJob(request, job);
    FrameDocument& document = job.document;
    if (auto usage = CheckPositionsFit(request, document.list.Count())) {
      return UsageError(*usage, err);
    }
    for (const int position : request.checkedPositions) {
      document.list.SetChecked(size_t(position - 1), true);
    }
    if (request.saveListPath) {
      WriteListDocument(*request.saveListPath, document);
    }
  } catch (const Error& error) {
    PrintFailure(error.what(), error.path(), err);
    return kExitFailed;
  }
  return request.noBuild ? kExitOk : Compile(request, job, err);
}

}  // namespace kelvane::cli
