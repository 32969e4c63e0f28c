// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Every text a user sees exactly as the program has always shown it: messages,
// captions, control captions, item texts and the fixed values of fields. They
// are kept letter for letter ON PURPOSE, spelling slips included ("Atantion",
// "wnat", "Unknow", "mosters"): users, their documents and their habits rely on
// them. Do not correct them; the tests assert the literal strings.
namespace kelvane::text {

// I/O error messages, by code.
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kInvalidFilename = "Invalid filename";
inline constexpr const char* kTooManyOpenFiles = "Too many open files";
inline constexpr const char* kFileAccessDenied = "File access denied";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kDiskFull = "Disk full";
inline constexpr const char* kInvalidNumericInput = "Invalid numeric input";
inline constexpr const char* kIoErrorFormat = "I/O error %d";
// "'<text>' is not a valid integer value" and "List index out of bounds (<n>)".
inline constexpr const char* kNotAnIntegerBefore = "'";
inline constexpr const char* kNotAnIntegerAfter = "' is not a valid integer value";
inline constexpr const char* kListIndexBefore = "List index out of bounds (";
inline constexpr const char* kListIndexAfter = ")";

// Message-box captions.
inline constexpr const char* kCompileCaption = "!Atantion";
inline constexpr const char* kPaletteCaption = "Atantion!";
inline constexpr const char* kWarningCaption = "Warning";
inline constexpr const char* kQuestionCaption = "?";
inline constexpr const char* kNoticeCaption = "!";

// Compile driver and palette check.
inline constexpr const char* kEnterFilesForCompile = "Please enter files for compile";
inline constexpr const char* kContinueQuestion = "Do you wnat continue?";
// "Wrong palette in <position> Frame".
inline constexpr const char* kWrongPaletteBefore = "Wrong palette in ";
inline constexpr const char* kWrongPaletteAfter = " Frame";

// The question before the frame list is thrown away (New, Creature Wizard).
inline constexpr const char* kClearListQuestion = "list of bmp will be clear, continue?";

// Fixed values of fields and document lines.
inline constexpr const char* kDefaultOutputName = "Temp.def";
inline constexpr const char* kOffsetOff = "Auto";
inline constexpr const char* kOffsetOn = "0";
inline constexpr const char* kZeroField = "0";
inline constexpr const char* kTrue = "TRUE";
inline constexpr const char* kFalse = "FALSE";

// Main window.
inline constexpr const char* kMainCaption = "Kelvane v. 8.5              ";
inline constexpr const char* kStretchCaption = "Stretch On/Off";
inline constexpr const char* kHelpButtonCaption = "?";
inline constexpr const char* kTypeBoxText = "Type";
inline constexpr const char* kFormatsBoxText = "Formats";
inline constexpr const char* kMonsterBoxText = "Type of monster";
inline constexpr const char* kNewCaption = "New";
inline constexpr const char* kAddSeparatorCaption = "AddSeparator";
inline constexpr const char* kAddFileCaption = "ADD File";
inline constexpr const char* kCutFileCaption = "Cut File (Key: Delete)";
inline constexpr const char* kLoadDefListCaption = "Load DefList";
inline constexpr const char* kSaveDefListCaption = "Save As DefList";
inline constexpr const char* kCreateDefCaption = "Create Def File";
inline constexpr const char* kNumItemCaption = "Num Item:";
inline constexpr const char* kNumberSeparatorCaption = "Number Separator:";
inline constexpr const char* kTransparentColorCaption = "Transparent color:";
inline constexpr const char* kShadowCaption = "Generate Shadow ";
inline constexpr const char* kOutlineCaption = "Create Light border (For Check only)";
inline constexpr const char* kFixedSizeCaption = "Fixed Size:";
inline constexpr const char* kXCaption = "X:";
inline constexpr const char* kYCaption = "Y:";
inline constexpr const char* kSolidColorCaption = "Check For SolidColor";
inline constexpr const char* kOffsetsCaption = "Absolute offsets from center:";
inline constexpr const char* kWizardButtonCaption = "Creature Wizard";

// Items of the three combo boxes, in order.
inline constexpr std::array<const char*, 4> kTypeItems = {
    "Buttons,backgrounds,mosters.", "Roads,shadows - Disabled", "Map object", "Terrain"};
inline constexpr std::array<const char*, 10> kFormatsItems = {
    "$49 {Heroes On Map}",   "$48 {Unknow)",   "$47 (Buildings and buttons)",
    "$46 {Unknow)",          "$45 {Terrain}",  "$44 (Map object)",
    "$43 (Map object)",      "$42 (Monsters)", "$41 {Unknow}",
    "$40 {Spells in Battle}"};
inline constexpr std::array<const char*, 15> kMonsterItems = {
    "Zealot",    "----------", "Snapshooter",  "Titan",      "Ghost",
    "Writh",     "----------", "Golems",       "Devil",      "Edinorog(Unicorn)",
    "Crusaider", "----------", "Green Dragon", "----------", "Custom"};

// File dialogs: label and pattern pairs, and initial names.
inline constexpr const char* kAddFileFilter = "BMP Files|*.BMP|BMP mark as PCX|*.PCX|All Types|*.*";
inline constexpr const char* kAddFileInitialName = "*.BMP";
inline constexpr const char* kOutputFilter = "DeF Files|*.Def";
inline constexpr const char* kOutputInitialName = "Temp.def";
inline constexpr const char* kSaveListFilter = "DeF List|*.H3l";
inline constexpr const char* kSaveListInitialName = "Temp.h3l";
inline constexpr const char* kSaveListExtension = ".H3L";
inline constexpr const char* kLoadListFilter =
    "*.h3l|DefList Files.|*.h3l New|DefList Files type 2";
inline constexpr const char* kLoadListInitialName = "*.h3l";

// Creature wizard.
inline constexpr const char* kWizardCaption = "Create Wizard";
inline constexpr const char* kWizardOpening =
    "Please add bmp file for some actions, for more info see hints in bottom menu";
inline constexpr const char* kWizardClosing =
    "Ok, now you can choose Def file name and push button \"Create Def File\", Good Luck";
inline constexpr const char* kWizardAbortQuestion = "Do you want exit from Creature Wizard";
inline constexpr const char* kWizardAddHeading = "Please add specify bmp files:";
inline constexpr const char* kWizardHintHeading = "Hint:";
inline constexpr const char* kWizardPlaceholder = "_";
inline constexpr const char* kWizardDeleteCaption = "Delete file";
inline constexpr const char* kWizardAddCaption = "Add BMP file";
inline constexpr const char* kWizardPreviousCaption = "Previous step";
inline constexpr const char* kWizardAbortCaption = "Abort Wizard";
inline constexpr const char* kWizardNextCaption = "Next step";
inline constexpr const char* kWizardFinishCaption = "Finished";
// The fixed frame size the wizard sets for a creature.
inline constexpr const char* kWizardFixedWidth = "450";
inline constexpr const char* kWizardFixedHeight = "400";

struct WizardStepText {
  const char* description;
  const char* hint;
};

inline constexpr std::array<WizardStepText, 22> kWizardSteps = {{
    {"Creature move from left to right", "None"},
    {"Crature animation without moving", "the behemot stands arms"},
    {"Creature animation. When mouse go on the creature", "The behemot open and close the mouth"},
    {"creature suffers from hit", "Very big Damage"},
    {"Creature suffers from hit", "A little Damage or Player press defense"},
    {"Creature is being destroyed", "must begin by three"},
    {"Creature is being destroyed varian 2", "I has found it only at Beholders"},
    {"Creature turns left to front", "None"},
    {"Creature turns right to front", "None"},
    {"Creature turns left to back", "None"},
    {"Creature turns right to back", "None"},
    {"Creature attack hight corner a", "hand ot Hand"},
    {"Creature attack the hexagone of right a", "hand ot Hand"},
    {"Creature attack the lower corner", "hand ot Hand"},
    {"Creature attack hight corner a", "shoot"},
    {"Creature attack the hexagone of right a", "shoot"},
    {"Creature attack the lower corner", "shoot"},
    {"Creature attack hight corner a", "Magic or HandToHand for 2Hex(Dragon)"},
    {"Creature attack the hexagone of right a", "Magic or HandToHand for 2Hex(Dragon)"},
    {"Creature attack the lower corner", "Magic or HandToHand for 2Hex(Dragon)"},
    {"Static creature or Special power.", "Rise or beginning of movement of creature"},
    {"Static creature or Special power.", "Landing or end of movement of creature"},
}};

// Help window.
inline constexpr const char* kHelpCaption = "Kelvane Help 1.0";
inline constexpr const char* kHelpFileName = "help.txt";

}  // namespace kelvane::text
