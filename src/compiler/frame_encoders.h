#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/compile_options.h"
#include "compiler/compile_state.h"

namespace kelvane {

// One frame entry of the list, as an encoder sees it.
struct FrameEntryRef {
  std::string bmpPath;
  int listPosition = 0;  // 1-based, separators counted
  bool checked = false;  // the entry's check mark (selection outline)
};

// Each encoder reads one frame and appends its complete data block (frame
// header and encoded pixels) to `block`.

// Format 0: the 1024 raw pixels of a 32 x 32 frame.
void ConverFileBMPtoPCX0(CompileState& state, const std::string& bmpPath,
                         std::vector<uint8_t>& block);

// Format 1: creatures, buttons, backgrounds and spells.
void ConverFileBMPtoPCX1(CompileState& state, const CompileOptions& options,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block);

// Format 3: map objects.
void ConverFileBMPtoPCX3(CompileState& state, const CompileOptions& options,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block);

// Format 2: the block coding of format 3 read straight from the BMP. No Type
// entry reaches it.
void ConverFileBMPtoPCX2(CompileState& state, const CompileOptions& options,
                         const std::string& bmpPath, std::vector<uint8_t>& block);

}  // namespace kelvane
