// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_job.h"

#include <ostream>

#include "base/part_files.h"
#include "cli/build_command.h"
#include "cli/build_summary.h"
#include "cli/build_warnings.h"
#include "cli/list_document.h"
#include "cli/overwrite_guards.h"
#include "cli/printable_text.h"
#include "compiler/def_groups.h"
#include "framelist/frame_list.h"

namespace kelvane::cli {

namespace {

FrameList ListFromEntries(const std::vector<std::string>& entries) {
  FrameList list;
  for (const auto& entry : entries) {
    list.Append(entry);
  }
  return list;
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

}  // namespace

std::optional<std::string> PrepareJob(BuildJob& job) {
  GatherJob(job);
  if (auto usage = CheckPositionsFit(job.request, job.document.list.Count())) {
    return usage;
  }
  for (const auto& warning : BuildWarnings(job.request, job.document)) {
    job.err << job.label << "warning: " << OneLineText(warning) << "\n";
  }
  RefuseOverwrittenInputs(job.request, job.document);
  if (job.request.saveListPath) {
    WriteListDocument(*job.request.saveListPath, job.document);
  }
  return std::nullopt;
}

int Failure(const BuildJob& job, const Error& failure) {
  std::ostream& err = job.err;
  const std::string path = PathToAdd(failure.what(), failure.path());
  err << job.label << OneLineText(failure.what());
  // A separator read as a file shows as the / it was given as.
  if (!path.empty()) {
    err << " (" << (IsGroupSeparator(path) ? "/" : OneLineText(path)) << ")";
  }
  err << "\n";
  for (const auto& hint : FailureHints(job.request, job.document, failure)) {
    err << job.label << "hint: " << OneLineText(hint) << "\n";
  }
  return kExitFailed;
}

void RemoveLeftovers(const BuildJob& job) {
  for (const auto& leftover : RemoveLeftoverParts(job.document.settings.outputName)) {
    job.err << job.label << "removed " << OneLineText(leftover.path)
            << ", an incomplete DEF left by a build that did not finish (process " << leftover.pid
            << ")\n";
  }
}

void WarnAboutWidths(const BuildJob& job, const std::vector<FrameWidth>& frames) {
  for (const auto& warning : FrameWidthWarnings(job.document, frames)) {
    job.err << job.label << "warning: " << OneLineText(warning) << "\n";
  }
}

int ReportWritten(const BuildJob& job, uint64_t bytes, std::ostream& out, std::ostream& err,
                  bool outIsProcessOutput, const std::string* document) {
  if (!job.request.json && job.request.quiet) {
    return kExitOk;
  }
  const std::string& path = job.document.settings.outputName;
  const auto groups = DefGroupsOf(job.document);
  std::ostream& report = outIsProcessOutput && IsStandardOutput(path) ? err : out;
  if (job.request.json) {
    WriteJsonSummary(report, path, groups, job.document.list, bytes, document);
  } else {
    report << OneLineText(WrittenLine(path, groups, bytes)) << "\n";
  }
  return kExitOk;
}

}  // namespace kelvane::cli
