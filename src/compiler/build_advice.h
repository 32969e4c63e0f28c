// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "compiler/compile_host.h"
#include "compiler/def_groups.h"
#include "framelist/frame_document.h"

namespace kelvane {

// The words a front end uses for what its user sets, so that each rule of
// advice below is written once and reads in the terms of the window or of the
// command line. "{}" in a term stands for the value it is given.
struct AdviceTerms {
  // The options a Type may ignore: "Generate Shadow ", the outline, "X:", "Y:".
  std::string shadow;
  std::string outline;
  std::string offsetX;
  std::string offsetY;
  std::array<std::string, 4> types;   // each Type box entry, as a warning names it
  std::string checkMarksIgnored;      // the check marks as a whole, and that they change nothing
  std::string checkMarkAt;            // one check mark: {} is its 1-based list position
  std::string giveCheckMarks;         // how to check the frames to outline
  std::string mask;                   // the frame-name mask
  std::string separators;             // the group separators of the list
  std::string aSeparator;             // one of them, with its article
  std::string separator;              // one separator, as the list shows it
  std::string outputNamed;            // the output, {} its path
  std::string chooseOutput;           // how to name an output in a folder that exists
  std::string addFrame;               // how to add a BMP frame to the list instead
  std::string readWithoutSettings;    // how to read a list without settings lines
  std::string outputOutsideDocument;  // how to name an output outside a document's folder
};

// Options the Type box may leave unused, as a warning names them.
enum class AdvisedOption { Shadow, Outline, OffsetX, OffsetY };

// What a build will not do that its settings ask for, told before it runs and
// never a failure: options the chosen Type ignores (of those `chosen` says the
// user asked for), check marks the Type ignores, an outline with no checked
// frame, check marks on separators, frames that get the same name in the DEF,
// and map object frames whose width is not a whole number of 32-pixel blocks.
// With `readFrames` it reads the frames' BMP headers for those widths, so it
// runs where the build runs; without, it leaves them to FrameWidthWarnings
// after the build, which reads each frame once.
std::vector<std::string> BuildWarnings(const FrameDocument& document, const AdviceTerms& terms,
                                       const std::function<bool(AdvisedOption)>& chosen,
                                       bool readFrames = true);

// A frame's BMP and its width in pixels, as a build read it.
struct FrameWidth {
  std::string bmpPath;
  int32_t width = 0;
};

// A host that keeps, of the frames a build reads, those that a map object
// width warning may be about, for FrameWidthWarnings after the build.
class WidthNotingHost : public CompileHost {
 public:
  void FrameRead(const std::string& bmpPath, int32_t width) override;
  const std::vector<FrameWidth>& OddWidths() const { return oddWidths_; }

 private:
  std::vector<FrameWidth> oddWidths_;
};

// The map object warnings about `frames` whose width is not a whole number of
// 32-pixel blocks, one per BMP; none with a fixed size, which BuildWarnings
// covers, or for other Types.
std::vector<std::string> FrameWidthWarnings(const FrameDocument& document,
                                            const std::vector<FrameWidth>& frames);

// The hints that may follow `failure` when the cause is plain: a missing output folder, an output
// that is a folder, a folder or a file too short for a BMP given as a frame, a list that starts
// with a separator or holds nothing else, an empty frame entry, a document's output name that
// leaves its folder. `documentPath`, when given, is the DefList the list was read from; a failure
// to read it as such gets its own hint.
std::vector<std::string> FailureHints(const FrameDocument& document, const Error& failure,
                                      const AdviceTerms& terms,
                                      const std::string& documentPath = {});

// "wrote out.def: 12 frames in 3 groups, 48,211 bytes".
std::string WrittenLine(const std::string& path, const std::vector<DefGroup>& groups,
                        uint64_t bytes);

}  // namespace kelvane
