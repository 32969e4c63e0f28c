// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/info_command.h"

#include <iomanip>
#include <ostream>
#include <sstream>

#include "base/errors.h"
#include "cli/build_command.h"
#include "cli/def_texts.h"
#include "cli/json_text.h"
#include "cli/printable_text.h"
#include "defread/def_file.h"
#include "defread/frame_measures.h"

namespace kelvane::cli {

namespace {

std::string TypeCode(int32_t type) {
  std::ostringstream code;
  code << "$" << std::uppercase << std::hex << type;
  return code.str();
}

void PrintText(const DefFile& def, const FrameMeasures& frames, std::ostream& out) {
  const std::string formats = FormatsTextOf(def.type());
  out << "File: " << OneLineText(def.name()) << " (" << def.size() << " bytes)\n"
      << "Type: "
      << (formats.empty() ? TypeCode(def.type()) + " (not a type of this tool)" : formats)
      << "\nSize: " << def.width() << " x " << def.height() << "\nGroups: " << def.groups().size()
      << ", frames: " << def.FrameCount() << "\n";
  for (size_t g = 0; g < def.groups().size(); ++g) {
    const std::vector<DefFrameRef>& refs = def.groups()[g].frames;
    out << "Group " << g + 1 << ", number " << def.groups()[g].number << ": " << refs.size()
        << " frame" << (refs.size() == 1 ? "" : "s") << "\n";
    for (size_t f = 0; f < refs.size(); ++f) {
      const FrameMeasure& facts = frames.Of(g, f);
      const DefFrameHeader& h = facts.header;
      out << "  " << f + 1 << " \"" << ReadableName(refs[f].name) << "\" format " << h.format
          << ", full " << h.fullWidth << " x " << h.fullHeight << ", image " << h.width << " x "
          << h.height << " at " << h.leftMargin << ", " << h.topMargin << ", " << h.dataSize
          << " bytes at " << refs[f].offset;
      if (facts.clippedPixels > 0) {
        out << ", " << facts.clippedPixels << " pixels outside the full frame";
      }
      out << "\n";
    }
  }
}

void PrintJson(const DefFile& def, const FrameMeasures& frames, std::ostream& out) {
  out << "{\n  \"file\": " << JsonString(def.name()) << ",\n  \"bytes\": " << def.size()
      << ",\n  \"type\": " << def.type()
      << ",\n  \"typeText\": " << JsonString(FormatsTextOf(def.type()))
      << ",\n  \"width\": " << def.width() << ",\n  \"height\": " << def.height()
      << ",\n  \"groups\": [";
  for (size_t g = 0; g < def.groups().size(); ++g) {
    const std::vector<DefFrameRef>& refs = def.groups()[g].frames;
    out << (g ? "," : "") << "\n    {\"number\": " << def.groups()[g].number << ", \"frames\": [";
    for (size_t f = 0; f < refs.size(); ++f) {
      const FrameMeasure& facts = frames.Of(g, f);
      const DefFrameHeader& h = facts.header;
      out << (f ? "," : "") << "\n      {\"name\": " << JsonString(ReadableName(refs[f].name))
          << ", \"nameBytes\": \"" << HexName(refs[f].name) << "\", \"offset\": " << refs[f].offset
          << ", \"dataSize\": " << h.dataSize << ", \"format\": " << h.format
          << ", \"fullWidth\": " << h.fullWidth << ", \"fullHeight\": " << h.fullHeight
          << ", \"width\": " << h.width << ", \"height\": " << h.height
          << ", \"leftMargin\": " << h.leftMargin << ", \"topMargin\": " << h.topMargin
          << ", \"clippedPixels\": " << facts.clippedPixels << "}";
    }
    out << (refs.empty() ? "" : "\n    ") << "]}";
  }
  out << (def.groups().empty() ? "" : "\n  ") << "]\n}\n";
}

}  // namespace

int RunInfo(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  std::vector<std::string> files;
  bool json = false;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (arg == "--help" || arg == "-h") {
      out << "Usage: kelvane-cli info FILE.def [--json]\n";
      return kExitOk;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 1) {
    err << "Usage: kelvane-cli info FILE.def [--json]\n";
    return kExitUsage;
  }
  return RunReportingErrors(err, [&] {
    const DefFile def = DefFile::Open(files[0]);
    const FrameMeasures frames(def);
    json ? PrintJson(def, frames, out) : PrintText(def, frames, out);
    return kExitOk;
  });
}

}  // namespace kelvane::cli
