#include "prepare/working_copy.h"

#include "compiler/int_text.h"
#include "prepare/size_picture.h"

namespace kelvane {

BmpImage& LoadWorkingCopy(CompileState& state, const std::string& bmpPath) {
  LoadBmpImage(bmpPath, state.WorkImage);
  state.BmpHeader = state.WorkImage.header;
  state.bmpPalette = state.WorkImage.palette;
  return state.WorkImage;
}

void ApplyFixedSizeToWorkingCopy(CompileState& state, const CompileOptions& options) {
  if (!options.fixedSize) {
    return;
  }
  SizePicture(state.WorkImage, StrToInt(options.fixedWidth), StrToInt(options.fixedHeight),
              state.MoxTmp);
  state.BmpHeader = state.WorkImage.header;
}

}  // namespace kelvane
