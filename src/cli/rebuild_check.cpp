// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/rebuild_check.h"

#include <algorithm>
#include <vector>

#include "base/binary_file.h"
#include "base/path_parts.h"
#include "base/scratch_folder.h"
#include "compiler/compile_driver.h"

namespace kelvane::cli {

namespace {

class QuietHost : public CompileHost {
 public:
  void SetProgress(int) override {}
  void ShowMessage(const std::string& text, const std::string&) override { shown = text; }
  bool AskOkCancel(const std::string&, const std::string&) override { return true; }
  std::string shown;
};

const char* const kHeaderFields[] = {"DataSize", "Format", "FullWidth",  "FullHeight",
                                     "Width",    "Height", "LeftMargin", "TopMargin"};

// How frame f of group g differs, or "" when its block is the same.
std::string FrameDifference(const DefFile& original, const DefFile& rebuilt, size_t g, size_t f) {
  const auto& a = original.bytes();
  const auto& b = rebuilt.bytes();
  const uint64_t from = original.groups()[g].frames[f].offset;
  const uint64_t to = rebuilt.groups()[g].frames[f].offset;
  const uint64_t sizeA = 32 + uint64_t(original.FrameHeaderOf(g, f).dataSize);
  const uint64_t sizeB = 32 + uint64_t(rebuilt.FrameHeaderOf(g, f).dataSize);
  uint64_t at = 0;
  while (at < sizeA && at < sizeB && a[from + at] == b[to + at]) {
    ++at;
  }
  if (at == sizeA && at == sizeB) {
    return {};
  }
  const std::string where = "group " + std::to_string(g + 1) + ", frame " + std::to_string(f + 1);
  if (at < 32) {
    return where + ": its " + kHeaderFields[at / 4] + " differs";
  }
  return where + ": its pixel data differs from byte " + std::to_string(at) + " of the block";
}

// The first place where the rebuilt DEF differs: header, group entries (their
// numbers, counts and names), then the frame blocks, then the layout.
std::string Difference(const DefFile& original, const DefFile& rebuilt) {
  const auto& a = original.bytes();
  const auto& b = rebuilt.bytes();
  if (!std::equal(a.begin(), a.begin() + 784, b.begin())) {
    return "the DEF header differs";
  }
  if (original.groups().size() != rebuilt.groups().size()) {
    return "it has another number of groups";
  }
  for (size_t g = 0; g < original.groups().size(); ++g) {
    const DefGroupEntry& x = original.groups()[g];
    const DefGroupEntry& y = rebuilt.groups()[g];
    if (x.number != y.number || x.frames.size() != y.frames.size()) {
      return "group " + std::to_string(g + 1) + " has another number or frame count";
    }
    for (size_t f = 0; f < x.frames.size(); ++f) {
      if (x.frames[f].name != y.frames[f].name) {
        return "group " + std::to_string(g + 1) + ", frame " + std::to_string(f + 1) +
               " has another name";
      }
    }
  }
  for (size_t g = 0; g < original.groups().size(); ++g) {
    for (size_t f = 0; f < original.groups()[g].frames.size(); ++f) {
      std::string difference = FrameDifference(original, rebuilt, g, f);
      if (!difference.empty()) {
        return difference;
      }
    }
  }
  return "its frame blocks lie elsewhere (" + std::to_string(b.size()) + " bytes instead of " +
         std::to_string(a.size()) + ")";
}

}  // namespace

RebuildCheck CheckRebuild(const FrameDocument& document, const std::string& folder,
                          const DefFile& def) {
  const ScratchFolder scratch("kelvane-rebuild-");
  if (scratch.path().empty()) {
    return {false, "no temporary folder to rebuild it in"};
  }
  FrameDocument copy = document;
  for (size_t i = 0; i < copy.list.Count(); ++i) {
    if (!copy.list.IsSeparator(i)) {
      copy.list.SetText(i, JoinPath(folder, copy.list.Text(i)));
    }
  }
  copy.settings.outputName = JoinPath(scratch.path(), "rebuilt.def");
  CompileState state;
  QuietHost host;
  const CompileOutcome outcome = CreateDefFile(state, copy, host);
  if (outcome.status != CompileOutcome::Status::Written) {
    return {false,
            "the rebuild stops: " + (outcome.message.empty() ? host.shown : outcome.message)};
  }
  const DefFile rebuilt = DefFile::Open(copy.settings.outputName);
  if (rebuilt.bytes() == def.bytes()) {
    return {true, {}};
  }
  return {false, "the rebuilt DEF differs: " + Difference(def, rebuilt)};
}

}  // namespace kelvane::cli
