// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/extract_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <ostream>

#include "base/bmp_output.h"
#include "base/checked_size.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/replacing_writer.h"
#include "base/system_files.h"
#include "cli/build_command.h"
#include "cli/def_texts.h"
#include "cli/extract_folder.h"
#include "cli/extract_plan.h"
#include "cli/printable_text.h"
#include "cli/rebuild_check.h"
#include "defread/def_file.h"
#include "framelist/deflist_writer.h"

namespace kelvane::cli {

namespace {

const char kUsage[] = "Usage: kelvane-cli extract FILE.def DIR [--force] [--max-size SIZE]\n";
const char kHelp[] =
    "Writes every frame of FILE.def into the folder DIR as an 8-bit BMP, and a\n"
    "DefList NAME.h3l that rebuilds the DEF from them, and says whether it would.\n"
    "  --force          replace files of the same names in DIR (regular files only;\n"
    "                   an entry that is anything else is never written through)\n"
    "  --max-size SIZE  write at most SIZE bytes in all: a number, with K, M, G or T\n"
    "                   for KiB, MiB, GiB or TiB (default 1G)\n";

// What extract writes at most unless told otherwise: far more than the frames
// of any real DEF take as BMPs, far less than a file of a few hundred bytes
// could make it write.
constexpr uint64_t kDefaultMaxSize = uint64_t{1} << 30;

struct ExtractRequest {
  std::string defPath;
  std::string folder;
  bool force = false;
  uint64_t maxSize = kDefaultMaxSize;
};

// A size in bytes, or with K, M, G or T for KiB, MiB, GiB or TiB.
std::optional<uint64_t> ParseSize(const std::string& text) {
  size_t digits = 0;
  uint64_t value = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
    value = AddSizes(MultiplySizes(value, 10), uint64_t(text[digits++] - '0'));
  }
  const std::string unit = text.substr(digits);
  const size_t power = unit.empty() ? 0 : std::string("KMGT").find(char(std::toupper(unit[0]))) + 1;
  if (digits == 0 || unit.size() > 1 || (!unit.empty() && power == 0)) {
    return std::nullopt;
  }
  const uint64_t size = MultiplySizes(value, uint64_t{1} << (10 * power));
  return size == kSizeOverflow ? std::nullopt : std::optional<uint64_t>(size);
}

bool ParseArguments(const std::vector<std::string>& args, ExtractRequest& request) {
  std::vector<std::string> operands;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool sizeOption = arg == "--max-size" || arg.rfind("--max-size=", 0) == 0;
    if (arg == "--force") {
      request.force = true;
    } else if (sizeOption) {
      const bool joined = arg.size() > std::string("--max-size").size();
      if (!joined && i + 1 == args.size()) {
        return false;
      }
      const auto size = ParseSize(joined ? arg.substr(arg.find('=') + 1) : args[++i]);
      if (!size) {
        return false;
      }
      request.maxSize = *size;
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

void RefuseTooLarge(const ExtractRequest& request, const ExtractPlan& plan,
                    const std::string& listName, uint64_t total) {
  if (total <= request.maxSize) {
    return;
  }
  ThrowInputError("Extracting \"" + request.defPath + "\" would write " + SizeText(total) +
                      " bytes (" + CountText(plan.files.size(), "BMP file") + " and " + listName +
                      "), more than the " + SizeText(request.maxSize) +
                      " allowed; nothing was written (give --max-size to allow more)",
                  request.defPath);
}

// Every BMP, then the DefList; each read back before the rebuild is tried.
std::vector<FolderFile> WriteFiles(const ExtractFolder& folder, const DefFile& def,
                                   const ExtractPlan& plan, const std::string& listName,
                                   const std::string& listText) {
  std::vector<FolderFile> written;
  DefImage image;
  for (const ExtractedFile& file : plan.files) {
    def.DecodeFrame(file.group, file.frame, image);
    written.push_back(folder.Write(
        file.name, EncodeBmp8(image.width, image.height, image.pixels, def.palette())));
  }
  written.push_back(folder.Write(listName, {listText.begin(), listText.end()}));
  folder.Verify(written);
  return written;
}

void Report(const ExtractRequest& request, const DefFile& def, const ExtractPlan& plan,
            const std::string& listName, const RebuildCheck& check, std::ostream& out) {
  out << "Extracted " << CountText(def.FrameCount(), "frame") << " of "
      << CountText(def.groups().size(), "group") << " into " << OneLineText(request.folder) << ": "
      << CountText(plan.files.size(), "BMP file") << " and " << OneLineText(listName) << "\n";
  const std::string build =
      OneLineText("'kelvane-cli build --list " + JoinPath(request.folder, listName) +
                  "' (writing " + plan.document.settings.outputName + " there)");
  if (check.identical) {
    out << build << " rebuilds the DEF byte for byte\n";
    return;
  }
  out << build << " does not rebuild the DEF byte for byte:\n";
  for (const std::string& reason : plan.reasons) {
    out << "  - " << OneLineText(reason) << "\n";
  }
  out << "  - " << OneLineText(check.difference) << "\n";
}

}  // namespace

int RunExtract(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  ExtractRequest request;
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage << kHelp;
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
    RefuseTooLarge(request, plan, listName, AddSizes(plan.bmpBytes.value(), listText.size()));
    const ExtractFolder folder(request.folder);
    std::vector<std::string> names{listName};
    for (const ExtractedFile& file : plan.files) {
      names.push_back(file.name);
    }
    folder.Prepare(names, def, request.force);
    WriteFiles(folder, def, plan, listName, listText);
    Report(request, def, plan, listName, CheckRebuild(doc, request.folder, def), out);
    return kExitOk;
  });
}

}  // namespace kelvane::cli
