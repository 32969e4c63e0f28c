// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/extract_command.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <ostream>

#include "base/binary_file.h"
#include "base/bmp_output.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/replacing_writer.h"
#include "base/system_files.h"
#include "cli/build_command.h"
#include "cli/def_texts.h"
#include "cli/extract_plan.h"
#include "cli/overwrite_guards.h"
#include "cli/printable_text.h"
#include "cli/rebuild_check.h"
#include "defread/def_file.h"
#include "framelist/deflist_writer.h"

namespace kelvane::cli {

namespace {

const char kUsage[] = "Usage: kelvane-cli extract FILE.def DIR [--force]\n";

struct ExtractRequest {
  std::string defPath;
  std::string folder;
  bool force = false;
};

bool ParseArguments(const std::vector<std::string>& args, ExtractRequest& request) {
  std::vector<std::string> operands;
  for (const std::string& arg : args) {
    if (arg == "--force") {
      request.force = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return false;
    } else {
      operands.push_back(arg);
    }
  }
  if (operands.size() != 2) {
    return false;
  }
  request.defPath = operands[0];
  request.folder = WithoutTrailingSeparators(operands[1]);
  return true;
}

std::string Stem(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

std::string Counted(size_t count, const std::string& what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// The DefList rebuilds into its own folder; beside the DEF itself it takes
// another name, so that a rebuild never replaces the DEF it came from.
std::string RebuildName(const ExtractRequest& request, const std::string& defName) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path defFolder = fs::u8path(request.defPath).parent_path();
  if (defFolder.empty()) {
    defFolder = ".";
  }
  const bool besideTheDef = fs::equivalent(defFolder, fs::u8path(request.folder), error);
  return besideTheDef ? Stem(defName) + "-rebuilt.def" : defName;
}

void PrepareFolder(const ExtractRequest& request, const ExtractPlan& plan,
                   const std::string& listName) {
  std::vector<std::string> paths{JoinPath(request.folder, listName)};
  for (const ExtractedFile& file : plan.files) {
    paths.push_back(JoinPath(request.folder, file.name));
  }
  PrepareOutputFolder(request.folder, paths, request.force);
}

void WriteFiles(const ExtractRequest& request, const DefFile& def, const ExtractPlan& plan,
                const std::string& listName, const std::string& listText) {
  DefImage image;
  for (const ExtractedFile& file : plan.files) {
    def.DecodeFrame(file.group, file.frame, image);
    WriteBmp8(JoinPath(request.folder, file.name), image.width, image.height, image.pixels,
              def.palette());
  }
  ReplacingFileWriter list(JoinPath(request.folder, listName));
  list.Write(listText.data(), listText.size());
  list.Commit();
}

void Report(const ExtractRequest& request, const DefFile& def, const ExtractPlan& plan,
            const std::string& listName, const RebuildCheck& check, std::ostream& out) {
  out << "Extracted " << Counted(def.FrameCount(), "frame") << " of "
      << Counted(def.groups().size(), "group") << " into " << request.folder << ": "
      << Counted(plan.files.size(), "BMP file") << " and " << listName << "\n";
  const std::string build = "'kelvane-cli build --list " + JoinPath(request.folder, listName) +
                            "' (writing " + plan.document.settings.outputName + " there)";
  if (check.identical) {
    out << build << " rebuilds the DEF byte for byte\n";
    return;
  }
  out << build << " does not rebuild the DEF byte for byte:\n";
  for (const std::string& reason : plan.reasons) {
    out << "  - " << reason << "\n";
  }
  out << "  - " << check.difference << "\n";
}

}  // namespace

int RunExtract(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  ExtractRequest request;
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return kExitOk;
  }
  if (!ParseArguments(args, request)) {
    err << kUsage;
    return kExitUsage;
  }
  return RunReportingErrors(err, [&] {
    const DefFile def = DefFile::Open(request.defPath);
    const std::string defName = SplitPath(request.defPath).name;
    const std::string listName = Stem(defName) + ".h3l";
    const ExtractPlan plan = PlanExtraction(def, RebuildName(request, defName), listName);
    const FrameDocument& doc = plan.document;
    const std::string listText = DefListText(doc.settings, doc.list, doc.numbers);
    PrepareFolder(request, plan, listName);
    WriteFiles(request, def, plan, listName, listText);
    Report(request, def, plan, listName, CheckRebuild(doc, request.folder, def), out);
    return kExitOk;
  });
}

}  // namespace kelvane::cli
