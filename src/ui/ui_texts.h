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
