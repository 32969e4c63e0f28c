// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/deflist_header.h"

#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

using IndexFromCode = int (*)(int);
using CheckBoxSetter = WindowSettings (*)(WindowSettings, bool);

WindowSettings SetPlainFlag(WindowSettings settings, bool) {
  return settings;  // the box has no reaction; the caller stores the state
}

// Where each header line lives in the settings; exactly one member is set,
// with how a value set from code reaches it.
struct FieldPlace {
  int WindowSettings::*index;
  std::string WindowSettings::*text;
  bool WindowSettings::*flag;
  IndexFromCode select = nullptr;     // combo box: an index past its items selects nothing
  CheckBoxSetter setCheck = nullptr;  // check box: runs the box's reaction on a change
};

FieldPlace PlaceOf(HeaderField field) {
  using O = WindowSettings;
  switch (field) {
    case HeaderField::TypeBox:
      return {&O::typeIndex, nullptr, nullptr, TypeIndexFromCode};
    case HeaderField::FormatsBox:
      return {&O::formatsIndex, nullptr, nullptr, FormatsIndexFromCode};
    case HeaderField::MonsterBox:
      return {&O::monsterIndex, nullptr, nullptr, MonsterIndexFromCode};
    case HeaderField::OutputName:
      return {nullptr, &O::outputName, nullptr};
    case HeaderField::FixedWidth:
      return {nullptr, &O::fixedWidth, nullptr};
    case HeaderField::FixedHeight:
      return {nullptr, &O::fixedHeight, nullptr};
    case HeaderField::NameMask:
      return {nullptr, &O::nameMask, nullptr};
    case HeaderField::XText:
      return {nullptr, &O::xText, nullptr};
    case HeaderField::YText:
      return {nullptr, &O::yText, nullptr};
    case HeaderField::Shadow:
      return {nullptr, nullptr, &O::shadow, nullptr, SetPlainFlag};
    case HeaderField::Outline:
      return {nullptr, nullptr, &O::outline, nullptr, SetPlainFlag};
    case HeaderField::FixedSize:
      return {nullptr, nullptr, &O::fixedSize, nullptr, SetFixedSize};
    case HeaderField::CheckPalette:
      return {nullptr, nullptr, &O::checkPalette, nullptr, SetPlainFlag};
    case HeaderField::UseX:
      return {nullptr, nullptr, &O::useX, nullptr, SetUseX};
    case HeaderField::UseY:
      return {nullptr, nullptr, &O::useY, nullptr, SetUseY};
  }
  return {};
}

}  // namespace

ControlKind KindOf(HeaderField field) {
  const FieldPlace place = PlaceOf(field);
  if (place.index != nullptr) {
    return ControlKind::ComboBox;
  }
  return place.text != nullptr ? ControlKind::EditField : ControlKind::CheckBox;
}

std::string HeaderLineText(const WindowSettings& settings, HeaderField field) {
  const FieldPlace place = PlaceOf(field);
  if (place.index != nullptr) {
    return std::to_string(settings.*place.index);
  }
  if (place.text != nullptr) {
    return settings.*place.text;
  }
  return settings.*place.flag ? text::kTrue : text::kFalse;
}

void ApplyHeaderLine(const HeaderLine& line, WindowSettings& settings) {
  const FieldPlace place = PlaceOf(line.field);
  if (line.field == HeaderField::FormatsBox) {
    settings = SelectFormatsFromCode(settings, line.index);
  } else if (place.index != nullptr) {
    settings.*place.index = place.select(line.index);
  } else if (place.text != nullptr) {
    settings.*place.text = line.text;
    if (place.text == &WindowSettings::outputName) {
      settings.documentOutputName = line.text;
    }
  } else {
    settings = place.setCheck(settings, line.checked);
    settings.*place.flag = line.checked;
  }
}

}  // namespace kelvane
