#include "compiler/block_frame.h"
#include "compiler/frame_encoders.h"

namespace kelvane {

// Reads the frame as it stands: no shadow, outline or fixed size.
void ConverFileBMPtoPCX2(CompileState& state, const CompileOptions& options,
                         const std::string& bmpPath, std::vector<uint8_t>& block) {
  LoadBmpImage(bmpPath, state.WorkImage);
  EncodeBlockFrame(state, state.WorkImage, 2, LiteralRule::AnyNonZero, options, bmpPath, block);
}

}  // namespace kelvane
