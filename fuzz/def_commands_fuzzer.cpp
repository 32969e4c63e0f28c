// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: what info, extract and sheet make of any bytes before they
// write anything. Each either ends with the reader's input error or gives a
// result that holds together: measures that agree with decoding, file names
// that are unique and safe in a folder, a sheet of exactly its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "base/bmp_output.h"
#include "base/errors.h"
#include "cli/extract_plan.h"
#include "defread/def_file.h"
#include "defread/frame_measures.h"
#include "sheet/contact_sheet.h"

namespace {

void Require(bool holds) {
  if (!holds) {
    std::abort();
  }
}

bool SafeFileName(const std::string& name) {
  return !name.empty() && name[0] != '.' && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

void CheckMeasures(const kelvane::DefFile& def) {
  const kelvane::FrameMeasures measures(def);
  kelvane::DefImage image;
  for (size_t g = 0; g < def.groups().size(); ++g) {
    for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
      def.DecodeFrame(g, f, image);
      Require(measures.Of(g, f).clippedPixels == image.clippedPixels);
      Require(measures.Of(g, f).header.dataSize == def.FrameHeaderOf(g, f).dataSize);
    }
  }
}

void CheckPlan(const kelvane::DefFile& def) {
  const auto plan = kelvane::cli::PlanExtraction(def, "fuzz.def", "fuzz.h3l");
  std::set<std::string> names{"fuzz.def", "fuzz.h3l"};
  kelvane::SizeSum bytes;
  for (const auto& file : plan.files) {
    Require(SafeFileName(file.name) && names.insert(file.name).second);
    const auto header = def.FrameHeaderOf(file.group, file.frame);
    bytes += kelvane::Bmp8FileSize(header.fullWidth, header.fullHeight);
  }
  Require(bytes.value() == plan.bmpBytes.value());
}

void CheckSheet(const kelvane::DefFile& def) {
  const auto sheet = kelvane::DrawContactSheet(def, uint64_t{1} << 20);
  Require(sheet.rgba.size() == size_t(sheet.width) * size_t(sheet.height) * 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::DefReadLimits limits;
  limits.maxFileBytes = uint64_t{1} << 22;
  limits.maxFramePixels = uint64_t{1} << 18;  // keeps each run short
  for (const auto check : {CheckMeasures, CheckPlan, CheckSheet}) {
    try {
      check(kelvane::DefFile(std::vector<uint8_t>(data, data + size), "fuzz.def", limits));
    } catch (const kelvane::Error& error) {
      Require(error.kind() == kelvane::ErrorKind::Input);
    }
  }
  return 0;
}
