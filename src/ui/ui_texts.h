// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts of the Qt program that have no fixed wording to keep: they may be
// reworded freely, unlike those of base/verbatim_texts.h.
namespace kelvane::ui::ui_text {

inline constexpr const char* kProgramName = "kelvane";
inline constexpr const char* kErrorCaption = "Kelvane";
inline constexpr const char* kCreateFileCaption = "Save As";
// %1: the file's path.
inline constexpr const char* kCreateFileQuestion =
    "%1\nThis file does not exist.\nDo you want to create it?";
inline constexpr const char* kPreviewTooLarge = "The picture is too large to preview (%1 x %2).";
inline constexpr const char* kPreviewNotAFile = "Not a file that holds a picture.";

// The add-file dialogs' entries for PNG frames, after the stored entries.
inline constexpr const char* kFrameFilters = "BMP and PNG frames|*.bmp *.png|PNG Files|*.png";
// The list's context menu: the reference palette and dithering.
inline constexpr const char* kReferencePalette = "Reference palette...";
inline constexpr const char* kClearReferencePalette = "Clear reference palette";
inline constexpr const char* kDither = "Dither true-colour frames";
inline constexpr const char* kPaletteFilters =
    "Palettes: 8-bit BMP, palette PNG, JASC-PAL, GIMP|*.bmp *.png *.pal *.gpl|All Types|*.*";
// Image1's tooltip while it shows a true-colour frame.
inline constexpr const char* kPreviewMapped =
    "As it will be built, on the DEF's palette. Press O for the original.";
inline constexpr const char* kPreviewOriginal =
    "The original frame. Press O to see it as it will be built.";
inline constexpr const char* kPreviewMappingFailed = "Not mapped: %1";
// %1: the help file's path; %2: the cap in MiB.
inline constexpr const char* kHelpFileCut =
    "%1 is larger than %2 MiB: only its first %2 MiB is shown.";
// %1: a hint after a failure.
inline constexpr const char* kHintLine = "Hint: %1";

// The status line. %1 is a path unless said otherwise.
inline constexpr const char* kBuilding = "Building %1: %2 of %3 frames";
inline constexpr const char* kStopped = "Stopped: nothing written";
inline constexpr const char* kLeftAsItWas = "; %1 left as it was";
inline constexpr const char* kNotWritten = "Not written: %1";  // %1: the message
inline constexpr const char* kPaletteCancelled =
    "Not built: Cancel was chosen after the palette check";
inline constexpr const char* kEmptyList = "Not built: the list is empty";
inline constexpr const char* kNoTypes = "Not built: no Type or no Formats entry is chosen";
inline constexpr const char* kOneWarning = "1 warning";
inline constexpr const char* kWarnings = "%1 warnings";  // %1: how many
inline constexpr const char* kWarningsCaption = "Warnings";
inline constexpr const char* kOpened = "Opened %1: %2 in %3";
inline constexpr const char* kSaved = "Saved %1";

// The title: %1 the document's file name (or kUntitled), %2 the window's own
// caption; Qt shows "[*]" as "*" while there are unsaved changes.
inline constexpr const char* kDocumentTitle = "%1[*] - %2";
inline constexpr const char* kUntitled = "Untitled";
// %1: the document's file name, or kUntitled.
inline constexpr const char* kSaveQuestion = "%1 has changes that are not saved.\nSave them first?";

// Tooltips: %1 what the control does, %2 its keys.
inline constexpr const char* kShortcutTip = "%1 (%2)";
inline constexpr const char* kNewTip = "Empties the list";
inline constexpr const char* kLoadTip = "Opens a DefList document";
inline constexpr const char* kSaveTip = "Saves the list and the settings as a DefList document";
inline constexpr const char* kAddTip = "Adds BMP and PNG frames below the selected entry";
inline constexpr const char* kCutTip = "Removes the selected entry";
inline constexpr const char* kBuildTip = "Builds the DEF file";
inline constexpr const char* kHelpTip = "Shows the help";
inline constexpr const char* kQuitTip = "Quit";
inline constexpr const char* kWizardDeleteTip = "Removes the selected file";

// %1: the output's path.
inline constexpr const char* kStopQuestion =
    "Stop building %1?\nA file already there stays as it was.";

inline constexpr const char* kUsage =
    "Usage: kelvane [LIST.h3l]\n"
    "       kelvane --view FILE.def\n"
    "\n"
    "Opens the Kelvane window, which builds DEF files from BMP and PNG frames.\n"
    "With LIST.h3l, the window starts with that DefList document loaded, frames\n"
    "and settings, as \"Load DefList\" loads it with the entry \"*.h3l New\".\n"
    "With --view FILE.def, only the DEF viewer opens, showing that file.\n"
    "\n"
    "Options:\n"
    "  -h, --help     this text\n"
    "  -v, --version  the program's version\n";

}  // namespace kelvane::ui::ui_text
