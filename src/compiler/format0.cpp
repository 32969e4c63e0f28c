#include "compiler/def_format.h"
#include "compiler/errors.h"
#include "compiler/frame_encoders.h"

namespace kelvane {

namespace {
constexpr int32_t kTileSide = 32;
}

void ConverFileBMPtoPCX0(CompileState& state, const std::string& bmpPath,
                         std::vector<uint8_t>& block) {
  BmpFrameHeader own;
  ReadBmpHeader(bmpPath, own, nullptr);
  if (own.biWidth != kTileSide || own.biHeight != kTileSide) {
    // The block always holds 32 x 32 pixels; any other size would be misread.
    ThrowInputError("\"" + bmpPath + "\" is " + std::to_string(own.biWidth) + " x " +
                        std::to_string(own.biHeight) + " pixels; frames of this type must be " +
                        "32 x 32",
                    bmpPath);
  }
  BmpImage& image = state.WorkImage;
  LoadBmpImage(bmpPath, image);

  FrameHeader header;
  header.DataSize = kTileSide * kTileSide;
  header.Format = 0;
  header.FullWidth = header.Width = state.BmpHeader.biWidth;
  header.FullHeight = header.Height = state.BmpHeader.biHeight;
  header.AppendTo(block);
  for (int32_t y = 0; y < kTileSide; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    block.insert(block.end(), row, row + kTileSide);
  }
}

}  // namespace kelvane
