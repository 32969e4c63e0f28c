#include "compiler/errors.h"
#include "compiler/frame_encoders.h"

namespace kelvane {

// Not built yet.
void ConverFileBMPtoPCX1(CompileState&, const CompileOptions&, const FrameEntryRef&,
                         std::vector<uint8_t>&) {
  ThrowInputError("Frame format 1 is not available yet");
}

}  // namespace kelvane
