// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "framelist/frame_list.h"

namespace kelvane {

// What the preview shows for a selection: Label7's text, whether the stretch
// mode is taken from "Stretch On/Off", and the picture to load, when one is to
// be loaded (none keeps the picture shown).
struct PreviewStep {
  std::string positionText;
  bool applyStretch = false;
  std::optional<std::string> picturePath;
};

// The add-file dialog's filter entries of old, "BMP Files", "BMP mark as
// PCX" and "All Types"; the entries for PNG frames come after them.
constexpr int kStoredAddFilterEntries = 3;

// ListBox1Click: an empty list only shows "0". Otherwise the stretch mode is
// taken; the add-file dialog's first filter entry ("BMP Files"), or one of
// the entries for PNG frames after the stored ones, lets a selected frame be
// loaded, while a separator, no selection or another entry last chosen keeps
// the picture; the position shown counts from 1, separators included, 0
// without a selection.
PreviewStep PreviewFor(const FrameList& list, Selection selected, int addFilterIndex);

}  // namespace kelvane
