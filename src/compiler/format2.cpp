#include "compiler/errors.h"
#include "compiler/frame_encoders.h"

namespace kelvane {

// Not built yet.
void ConverFileBMPtoPCX2(CompileState&, const CompileOptions&, const std::string&,
                         std::vector<uint8_t>&) {
  ThrowInputError("Frame format 2 is not available yet");
}

}  // namespace kelvane
