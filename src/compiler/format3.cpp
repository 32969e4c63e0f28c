#include "compiler/block_frame.h"
#include "compiler/frame_encoders.h"
#include "prepare/object_shadow.h"
#include "prepare/working_copy.h"

namespace kelvane {

void ConverFileBMPtoPCX3(CompileState& state, const CompileOptions& options,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block) {
  BmpImage& image = LoadWorkingCopy(state, entry.bmpPath);
  if (options.shadow) {
    showdowObjects(image);
  }
  ApplyFixedSizeToWorkingCopy(state, options);
  EncodeBlockFrame(state, image, 3, LiteralRule::FromSeven, options, entry.bmpPath, block);
}

}  // namespace kelvane
