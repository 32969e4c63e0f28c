// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/convert_command.h"

#include <algorithm>
#include <ostream>
#include <set>

#include "base/binary_file.h"
#include "base/bmp_output.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"
#include "cli/build_command.h"
#include "cli/def_texts.h"
#include "cli/overwrite_guards.h"
#include "cli/printable_text.h"
#include "prepare/def_palette.h"
#include "prepare/palette_file.h"

namespace kelvane::cli {

namespace {

const char kConvertUsage[] =
    "Usage: kelvane-cli convert [--palette FILE] [--dither] [--force] -o DIR FRAME...\n";
const char kPaletteUsage[] = "Usage: kelvane-cli palette OUT.pal FRAME...\n";

struct ConvertRequest {
  std::vector<std::string> frames;
  std::string folder;
  std::string referencePalette;
  bool dither = false;
  bool force = false;
};

bool IsOperand(const std::string& arg) {
  return !arg.empty() && arg[0] != '-';
}

bool ParseConvert(const std::vector<std::string>& args, ConvertRequest& request) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (optionsEnded || IsOperand(arg)) {
      request.frames.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--dither") {
      request.dither = true;
    } else if (arg == "--force") {
      request.force = true;
    } else if (arg == "-o" && hasValue && !args[i + 1].empty()) {
      request.folder = args[++i];
    } else if (arg == "--palette" && hasValue && !args[i + 1].empty()) {
      request.referencePalette = args[++i];
    } else {
      return false;
    }
  }
  request.folder = WithoutTrailingSeparators(request.folder);
  return !request.folder.empty() && !request.frames.empty();
}

std::string Stem(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

// DIR/NAME.bmp for each frame, refused when two frames share a name.
std::vector<std::string> OutputPaths(const ConvertRequest& request) {
  std::vector<std::string> outputs;
  std::set<std::string> taken;
  for (const std::string& frame : request.frames) {
    const std::string name = Stem(SplitPath(frame).name) + ".bmp";
    if (!taken.insert(name).second) {
      ThrowInputError("two frames would be written as \"" + name + "\"; rename one", frame);
    }
    outputs.push_back(JoinPath(request.folder, name));
  }
  return outputs;
}

void PrepareFolder(const ConvertRequest& request, const std::vector<std::string>& outputs) {
  std::vector<FileIdentity> inputs;
  for (const std::string& frame : request.frames) {
    if (const auto identity = IdentityOfPath(frame)) {
      inputs.push_back(*identity);
    }
  }
  for (const std::string& path : outputs) {
    const auto identity = IdentityOfPath(path);
    if (identity && std::find(inputs.begin(), inputs.end(), *identity) != inputs.end()) {
      ThrowInputError("\"" + path + "\" is one of the frames: convert never writes over them",
                      path);
    }
  }
  PrepareOutputFolder(request.folder, outputs, request.force);
}

// The frame as the encoders would take it, top row first without padding.
std::vector<uint8_t> TopDownPixels(const BmpImage& image) {
  std::vector<uint8_t> pixels;
  pixels.reserve(size_t(image.width) * size_t(image.height));
  for (int32_t y = 0; y < image.height; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    pixels.insert(pixels.end(), row, row + image.width);
  }
  return pixels;
}

struct ConvertedFrame {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;
  RgbPalette palette{};
};

int Convert(const ConvertRequest& request, std::ostream& out) {
  const PalettePlan plan = PlanDefPalette(request.frames, request.referencePalette);
  const ColourMapping mapping =
      DefColourMapping(request.frames, request.referencePalette, request.dither);
  const std::vector<std::string> outputs = OutputPaths(request);
  // Every frame is read before anything is written.
  std::vector<ConvertedFrame> converted;
  BmpImage image;
  RgbaImage trueColour;
  for (const std::string& frame : request.frames) {
    LoadDefFrame(frame, mapping, image, trueColour);
    converted.push_back(
        {image.width, image.height, TopDownPixels(image), BuildRgbPalette(image.palette)});
  }
  PrepareFolder(request, outputs);
  for (size_t i = 0; i < outputs.size(); ++i) {
    const ConvertedFrame& frame = converted[i];
    WriteBmp8(outputs[i], frame.width, frame.height, frame.pixels, frame.palette);
  }
  out << "wrote " << outputs.size() << " BMP file" << (outputs.size() == 1 ? "" : "s") << " into "
      << request.folder << "; " << DescribePalette(plan) << "\n";
  return kExitOk;
}

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kConvertUsage;
    return kExitOk;
  }
  ConvertRequest request;
  if (!ParseConvert(args, request)) {
    err << kConvertUsage;
    return kExitUsage;
  }
  return RunReportingErrors(err, [&] { return Convert(request, out); });
}

int RunPalette(const std::vector<std::string>& args, std::ostream& rawOut, std::ostream& rawErr) {
  PrintableStream out(rawOut);
  PrintableStream err(rawErr);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kPaletteUsage;
    return kExitOk;
  }
  if (args.size() < 2 || !std::all_of(args.begin(), args.end(), IsOperand)) {
    err << kPaletteUsage;
    return kExitUsage;
  }
  return RunReportingErrors(err, [&] {
    const std::string& output = args[0];
    const std::vector<std::string> frames(args.begin() + 1, args.end());
    const auto target = IdentityOfPath(output);
    for (const std::string& frame : frames) {
      if (target && IdentityOfPath(frame) == target) {
        ThrowInputError("\"" + output + "\" is one of the frames: palette never writes over them",
                        output);
      }
    }
    const PalettePlan plan = PlanDefPalette(frames, {});
    WritePaletteFile(output, MakeDefPalette(plan, frames));
    out << "wrote " << output << "; " << DescribePalette(plan) << "\n";
    return kExitOk;
  });
}

}  // namespace kelvane::cli
