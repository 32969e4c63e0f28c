// SPDX-License-Identifier: GPL-3.0-or-later
#include "defread/frame_measures.h"

namespace kelvane {

FrameMeasures::FrameMeasures(const DefFile& def) : def_(def) {
  for (size_t g = 0; g < def.groups().size(); ++g) {
    for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
      const uint32_t offset = def.groups()[g].frames[f].offset;
      if (byOffset_.count(offset) == 0) {
        byOffset_.emplace(offset, def.MeasureFrame(g, f));
      }
    }
  }
}

const FrameMeasure& FrameMeasures::Of(size_t group, size_t frame) const {
  return byOffset_.at(def_.groups().at(group).frames.at(frame).offset);
}

const DefImage& LastDecodedFrame::Decode(const DefFile& def, size_t group, size_t frame) {
  const Source asked{&def, def.groups().at(group).frames.at(frame).offset};
  if (!(decoded_ && *decoded_ == asked)) {
    decoded_.reset();  // a frame that fails to decode leaves nothing behind
    def.DecodeFrame(group, frame, image_);
    decoded_ = asked;
  }
  return image_;
}

}  // namespace kelvane
