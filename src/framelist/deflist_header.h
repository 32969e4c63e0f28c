// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framelist/window_settings.h"

namespace kelvane {

// The settings block that opens a type 2 DefList: one line per option control
// of the main window, in this order.
enum class HeaderField {
  TypeBox,       // Type, selected index
  FormatsBox,    // Formats, selected index
  OutputName,    // output DEF file name
  Shadow,        // "Generate Shadow "
  Outline,       // "Create Light border (For Check only)"
  FixedSize,     // "Fixed Size:"
  FixedWidth,    // text
  FixedHeight,   // text
  NameMask,      // text
  MonsterBox,    // Type of monster, selected index
  CheckPalette,  // "Check For SolidColor"
  UseX,          // "X:"
  UseY,          // "Y:"
  XText,         // X offset text ("Auto" while off)
  YText,         // Y offset text
};

constexpr std::array<HeaderField, 15> kHeaderFields = {
    HeaderField::TypeBox,    HeaderField::FormatsBox,   HeaderField::OutputName,
    HeaderField::Shadow,     HeaderField::Outline,      HeaderField::FixedSize,
    HeaderField::FixedWidth, HeaderField::FixedHeight,  HeaderField::NameMask,
    HeaderField::MonsterBox, HeaderField::CheckPalette, HeaderField::UseX,
    HeaderField::UseY,       HeaderField::XText,        HeaderField::YText,
};

enum class ControlKind {
  ComboBox,   // an integer line: the index to select (-1 none)
  EditField,  // a string line: the whole line is the text
  CheckBox,   // a boolean line: "TRUE" checks the box, anything else unchecks it
};

ControlKind KindOf(HeaderField field);

// One header line as read, to be applied to its control at once. The window
// applies it with its usual rules for values set from code: selecting a combo
// box item runs no change reaction, while a check box that changes state runs
// its click reaction exactly as a user's click would.
struct HeaderLine {
  HeaderField field = HeaderField::TypeBox;
  int32_t index = -1;    // ComboBox
  std::string text;      // EditField
  bool checked = false;  // CheckBox
};

// The line text the writer puts down for `field`, without its line end.
std::string HeaderLineText(const WindowSettings& settings, HeaderField field);

// Applies one line to settings held as the window holds them. An index past a
// box's items selects nothing. Turning "X:" or "Y:" on or off sets its offset
// text to "0" or "Auto", as the box's reaction does; lines 14 and 15 then set
// the final texts.
void ApplyHeaderLine(const HeaderLine& line, WindowSettings& settings);

}  // namespace kelvane
