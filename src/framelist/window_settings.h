// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvane {

// Positions in the window's combo boxes that the core's rules name.
constexpr int kCreatureType = 0;     // Type: "Buttons,backgrounds,mosters." (format 1)
constexpr int kMapObjectType = 2;    // Type: "Map object" (format 3)
constexpr int kMonstersFormats = 7;  // Formats: "$42 (Monsters)"
constexpr int kMonsterCustom = 14;   // Type of monster: "Custom"

// The option controls of the main window as plain values: what the compile
// reads, what a type 2 DefList stores, and the enabled states that the
// reactions switch. Combo boxes hold only the index of their selected item
// (-1: none, the box shows its caption text).
struct WindowSettings {
  int typeIndex = -1;                   // ComboBox2: 0 format 1, 1 and 3 format 0, 2 format 3
  int formatsIndex = -1;                // ComboBox1: DefTypeAtPosition(index)
  int monsterIndex = -1;                // ComboBox3: group numbering, 14 "Custom"
  std::string outputName = "Temp.def";  // Edit3
  std::string nameMask;                 // Edit4
  bool checkPalette = false;            // CheckBox2 "Check For SolidColor"
  bool shadow = false;                  // CB2 "Generate Shadow "
  bool outline = false;                 // CB3 outline of checked entries
  bool fixedSize = false;               // CB4 "Fixed Size:"
  std::string fixedWidth = "0";         // Edit1
  std::string fixedHeight = "0";        // Edit2
  bool useX = false;                    // CB5 "X:"
  std::string xText = "Auto";           // Edit5
  bool useY = false;                    // CB6 "Y:"
  std::string yText = "Auto";           // Edit6
  // The output name the last document loaded gave; the build refuses it while
  // it stands and leaves the document's folder (DocumentOutputRefusal).
  std::string documentOutputName;

  // Enabled states the reactions switch. The offset fields are read-only
  // exactly while they are disabled.
  bool monsterBoxEnabled = false;
  bool fixedFieldsEnabled = false;
  bool xFieldEnabled = false;
  bool yFieldEnabled = false;
};

// The controls as FormCreate leaves them: every start value, Type 0 selected
// and the Formats entry that goes with it.
WindowSettings StartSettings();

// The Formats index that goes with a Type index (-1 for an index past the items).
int DefaultFormatsForType(int typeIndex);

// ComboBox2Change, the user picked a Type: selects its Formats entry from code,
// which runs no Formats reaction, so "Type of monster" keeps its state.
WindowSettings TypePicked(WindowSettings settings, int typeIndex);

// ComboBox1Change, the user picked a Formats entry: "$42 (Monsters)" enables
// "Type of monster" and selects "Zealot"; any other entry disables it and
// keeps its selection.
WindowSettings FormatsPicked(WindowSettings settings, int formatsIndex);

// Formats selected from code, by a document or the wizard: no reaction runs,
// so "Type of monster" keeps its selection, but "$42 (Monsters)" enables the
// box all the same, so that a creature's numbering can be chosen; any other
// entry leaves the box as it was.
WindowSettings SelectFormatsFromCode(WindowSettings settings, int formatsIndex);

// The check boxes, set by the user or from code: a change of state runs the
// box's reaction once, setting the state it already has runs nothing.
// CB4Click: the size fields are enabled exactly while "Fixed Size:" is on.
WindowSettings SetFixedSize(WindowSettings settings, bool checked);
// CB5Click: the X field's enabled flag is inverted and its text becomes "0"
// when enabled, "Auto" when not; a value typed in between is lost.
WindowSettings SetUseX(WindowSettings settings, bool checked);
// CB6Click: as CB5Click for the Y field.
WindowSettings SetUseY(WindowSettings settings, bool checked);

// Selecting from code: an index past a box's items selects nothing (-1).
int TypeIndexFromCode(int index);
int FormatsIndexFromCode(int index);
int MonsterIndexFromCode(int index);

}  // namespace kelvane
