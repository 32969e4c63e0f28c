// SPDX-License-Identifier: GPL-3.0-or-later
// One frame compiled in any format with any options (fuzz_input.h gives the
// layout): the encoder either appends a block whose header tells its length
// or ends with an Error. The preparation scans must also agree, pixel for
// pixel, with their plain one-pixel-at-a-time versions.

#include <cstdlib>

#include "base/def_layout.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "compiler/frame_encoders.h"
#include "fuzz_input.h"
#include "prepare/content_bounds.h"
#include "prepare/creature_shadow.h"
#include "prepare/object_shadow.h"
#include "reference_scans.h"

namespace {

using namespace kelvane;

void Require(bool holds) {
  if (!holds) {
    std::abort();
  }
}

void CompareScans(const std::string& path, const fuzz::FrameCase& c) {
  BmpImage image;
  LoadBmpImage(path, image);
  BmpImage plain = image;
  const ContentBounds a = FindContentBounds(image, kTransparentIndex);
  const ContentBounds b = fuzz::reference::ContentBoundsOf(image, kTransparentIndex);
  Require(a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom);
  if (c.format == 3) {
    showdowObjects(image);
    fuzz::reference::ObjectShadow(plain);
  } else {
    showdowCreture(image, c.settings.shadow, c.settings.outline);
    fuzz::reference::CreatureShadow(plain, c.settings.shadow, c.settings.outline);
  }
  Require(image.pixels == plain.pixels);
}

void Encode(const std::string& path, const fuzz::FrameCase& c) {
  EncoderScratch scratch;
  std::vector<uint8_t> block;
  const FrameEntryRef entry{path, 1, c.checked};
  switch (c.format) {
    case 0:
      ConverFileBMPtoPCX0(scratch, {}, path, block);
      break;
    case 1:
      ConverFileBMPtoPCX1(scratch, c.settings, entry, block);
      break;
    case 2:
      ConverFileBMPtoPCX2(scratch, c.settings, path, block);
      break;
    default:
      ConverFileBMPtoPCX3(scratch, c.settings, entry, block);
      break;
  }
  Require(block.size() >= kelvane::kFrameHeaderSize);
  Require(LoadLe32(block.data()) == block.size() - kelvane::kFrameHeaderSize);
  Require(LoadLe32(block.data() + 4) == uint32_t(c.format));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz::FrameCase c = fuzz::DecodeFrameCase(data, size);
  const fuzz::MemoryFile file(c.bmp.data(), c.bmp.size());
  try {
    CompareScans(file.path(), c);
    Encode(file.path(), c);
  } catch (const Error&) {
  }
  return 0;
}
