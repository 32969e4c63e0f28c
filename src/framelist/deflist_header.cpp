#include "framelist/deflist_header.h"

#include "compiler/def_format.h"
#include "compiler/group_numbering.h"

namespace kelvane {

namespace {

// Where each header line lives in the settings; exactly one member is set.
struct FieldPlace {
  int CompileOptions::*index;
  std::string CompileOptions::*text;
  bool CompileOptions::*flag;
  int items;  // the combo box's item count
};

FieldPlace PlaceOf(HeaderField field) {
  using O = CompileOptions;
  switch (field) {
    case HeaderField::TypeBox:
      return {&O::typePosition, nullptr, nullptr, int(kFrameFormatByType.size())};
    case HeaderField::FormatsBox:
      return {&O::formatsPosition, nullptr, nullptr, int(kDefTypeTable.size())};
    case HeaderField::MonsterBox:
      return {&O::monsterPosition, nullptr, nullptr, kMonsterCustom + 1};
    case HeaderField::OutputName:
      return {nullptr, &O::outputPath, nullptr, 0};
    case HeaderField::FixedWidth:
      return {nullptr, &O::fixedWidth, nullptr, 0};
    case HeaderField::FixedHeight:
      return {nullptr, &O::fixedHeight, nullptr, 0};
    case HeaderField::NameMask:
      return {nullptr, &O::nameMask, nullptr, 0};
    case HeaderField::XText:
      return {nullptr, &O::xText, nullptr, 0};
    case HeaderField::YText:
      return {nullptr, &O::yText, nullptr, 0};
    case HeaderField::Shadow:
      return {nullptr, nullptr, &O::shadow, 0};
    case HeaderField::Outline:
      return {nullptr, nullptr, &O::outline, 0};
    case HeaderField::FixedSize:
      return {nullptr, nullptr, &O::fixedSize, 0};
    case HeaderField::CheckPalette:
      return {nullptr, nullptr, &O::checkPalette, 0};
    case HeaderField::UseX:
      return {nullptr, nullptr, &O::useX, 0};
    case HeaderField::UseY:
      return {nullptr, nullptr, &O::useY, 0};
  }
  return {};
}

// The click reaction of a check box whose state changed.
void RunClickReaction(HeaderField field, CompileOptions& settings) {
  if (field == HeaderField::UseX) {
    settings.xText = settings.useX ? "0" : "Auto";
  } else if (field == HeaderField::UseY) {
    settings.yText = settings.useY ? "0" : "Auto";
  }
}

}  // namespace

ControlKind KindOf(HeaderField field) {
  const FieldPlace place = PlaceOf(field);
  if (place.index != nullptr) {
    return ControlKind::ComboBox;
  }
  return place.text != nullptr ? ControlKind::EditField : ControlKind::CheckBox;
}

std::string HeaderLineText(const CompileOptions& settings, HeaderField field) {
  const FieldPlace place = PlaceOf(field);
  if (place.index != nullptr) {
    return std::to_string(settings.*place.index);
  }
  if (place.text != nullptr) {
    return settings.*place.text;
  }
  return settings.*place.flag ? "TRUE" : "FALSE";
}

void ApplyHeaderLine(const HeaderLine& line, CompileOptions& settings) {
  const FieldPlace place = PlaceOf(line.field);
  if (place.index != nullptr) {
    const bool listed = line.index >= 0 && line.index < place.items;
    settings.*place.index = listed ? line.index : -1;
  } else if (place.text != nullptr) {
    settings.*place.text = line.text;
  } else if (settings.*place.flag != line.checked) {
    settings.*place.flag = line.checked;
    RunClickReaction(line.field, settings);
  }
}

}  // namespace kelvane
