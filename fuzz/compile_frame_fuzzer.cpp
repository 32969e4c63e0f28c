// SPDX-License-Identifier: GPL-3.0-or-later
// One frame compiled in any format with any options (fuzz_input.h gives the
// layout): the encoder either appends a block whose header tells its length
// or ends with an Error. The preparation scans and the two coders must also
// agree, pixel for pixel and byte for byte, with their plain
// one-pixel-at-a-time versions.

#include <cstdlib>

#include "base/def_layout.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "compiler/block_coding.h"
#include "compiler/format1_rows.h"
#include "compiler/frame_encoders.h"
#include "fuzz_input.h"
#include "prepare/content_bounds.h"
#include "prepare/creature_shadow.h"
#include "prepare/object_shadow.h"
#include "reference_coding.h"
#include "reference_scans.h"

namespace {

using namespace kelvane;

void Require(bool holds) {
  if (!holds) {
    std::abort();
  }
}

// Every 32 pixels of the prepared frame's rows, padding and the next row's
// first pixels included, as blocks of both literal rules; and every row, and
// the bytes from each row's middle to the end, as format 1 rows.
void CompareCoders(const BmpImage& image) {
  const uint8_t* pixels = image.pixels.data();
  for (size_t at = 0; at + kBlockPixels <= image.pixels.size(); at += 7) {
    for (const LiteralRule rule : {LiteralRule::FromSeven, LiteralRule::AnyNonZero}) {
      std::vector<uint8_t> fast;
      std::vector<uint8_t> plain;
      EncodeBlock(pixels + at, rule, fast);
      fuzz::reference::EncodeBlock(pixels + at, rule, plain);
      Require(fast == plain);
    }
  }
  const uint8_t* end = pixels + image.pixels.size();
  for (int32_t v = 0; v < image.height; ++v) {
    const uint8_t* row = image.RowFromBottom(v);
    for (const auto& [from, to] :
         {std::make_pair(row, row + image.width), std::make_pair(row + image.width / 2, end)}) {
      std::vector<uint8_t> fast;
      std::vector<uint8_t> plain;
      AppendFormat1Row(from, to, fast);
      fuzz::reference::AppendFormat1Row(from, to, plain);
      Require(fast == plain);
    }
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
  CompareCoders(image);
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
