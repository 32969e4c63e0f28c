#include "compiler/errors.h"
#include "compiler/frame_encoders.h"

namespace kelvane {

// Not built yet.
void ConverFileBMPtoPCX3(CompileState&, const CompileOptions&, const FrameEntryRef&,
                         std::vector<uint8_t>&) {
  ThrowInputError("Frame format 3 is not available yet");
}

}  // namespace kelvane
