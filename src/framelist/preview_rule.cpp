// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/preview_rule.h"

#include "base/verbatim_texts.h"

namespace kelvane {

PreviewStep PreviewFor(const FrameList& list, Selection selected, int addFilterIndex) {
  PreviewStep step;
  step.applyStretch = !list.IsEmpty();
  const bool valid = selected && *selected < list.Count();
  step.positionText = valid ? std::to_string(*selected + 1) : std::string(text::kZeroField);
  const bool framesListed = addFilterIndex == 0 || addFilterIndex >= kStoredAddFilterEntries;
  if (framesListed && valid && !list.IsSeparator(*selected)) {
    step.picturePath = list.Text(*selected);
  }
  return step;
}

}  // namespace kelvane
