// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/window_settings.h"

#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

constexpr int kZealot = 0;

int Listed(int index, size_t items) {
  return index >= 0 && size_t(index) < items ? index : -1;
}

// CB5Click and CB6Click toggle the field rather than follow the box.
void ToggleOffsetField(bool& enabled, std::string& text) {
  enabled = !enabled;
  text = enabled ? text::kOffsetOn : text::kOffsetOff;
}

}  // namespace

WindowSettings StartSettings() {
  return TypePicked(WindowSettings{}, 0);
}

int DefaultFormatsForType(int typeIndex) {
  static const int kDefaults[] = {2, 4, 6, 4};
  return Listed(typeIndex, text::kTypeItems.size()) < 0 ? -1 : kDefaults[typeIndex];
}

WindowSettings TypePicked(WindowSettings settings, int typeIndex) {
  settings.typeIndex = TypeIndexFromCode(typeIndex);
  settings.formatsIndex = DefaultFormatsForType(settings.typeIndex);
  return settings;
}

WindowSettings FormatsPicked(WindowSettings settings, int formatsIndex) {
  settings.formatsIndex = FormatsIndexFromCode(formatsIndex);
  settings.monsterBoxEnabled = settings.formatsIndex == kMonstersFormats;
  if (settings.monsterBoxEnabled) {
    settings.monsterIndex = kZealot;
  }
  return settings;
}

WindowSettings SelectFormatsFromCode(WindowSettings settings, int formatsIndex) {
  settings.formatsIndex = FormatsIndexFromCode(formatsIndex);
  settings.monsterBoxEnabled =
      settings.monsterBoxEnabled || settings.formatsIndex == kMonstersFormats;
  return settings;
}

WindowSettings SetFixedSize(WindowSettings settings, bool checked) {
  if (settings.fixedSize != checked) {
    settings.fixedSize = checked;
    settings.fixedFieldsEnabled = checked;
  }
  return settings;
}

WindowSettings SetUseX(WindowSettings settings, bool checked) {
  if (settings.useX != checked) {
    settings.useX = checked;
    ToggleOffsetField(settings.xFieldEnabled, settings.xText);
  }
  return settings;
}

WindowSettings SetUseY(WindowSettings settings, bool checked) {
  if (settings.useY != checked) {
    settings.useY = checked;
    ToggleOffsetField(settings.yFieldEnabled, settings.yText);
  }
  return settings;
}

int TypeIndexFromCode(int index) {
  return Listed(index, text::kTypeItems.size());
}

int FormatsIndexFromCode(int index) {
  return Listed(index, text::kFormatsItems.size());
}

int MonsterIndexFromCode(int index) {
  return Listed(index, text::kMonsterItems.size());
}

}  // namespace kelvane
