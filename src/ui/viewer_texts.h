// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts of the DEF viewer and of the main window's ways into it; free to reword.
namespace kelvane::ui::viewer_text {

inline constexpr const char* kCaption = "DEF Viewer";
inline constexpr const char* kOpen = "Open DEF...";
inline constexpr const char* kExport = "Save as PNG...";
inline constexpr const char* kPrevious = "< Previous";
inline constexpr const char* kNext = "Next >";
inline constexpr const char* kPlay = "Play";
inline constexpr const char* kSpeedPrefix = "Speed ";
inline constexpr const char* kSpeedSuffix = " frames/s";
inline constexpr const char* kZoomPrefix = "Zoom ";
inline constexpr const char* kZoomSuffix = "x";
inline constexpr const char* kNoFile = "No DEF open.";
inline constexpr const char* kNoGroup = "This DEF has no groups.";
inline constexpr const char* kNoFrame = "This group has no frames.";
inline constexpr const char* kDefFilesLabel = "DEF Files";
inline constexpr const char* kDefFilesPattern = "*.def";
inline constexpr const char* kPngFilesLabel = "PNG Files";
inline constexpr const char* kPngFilesPattern = "*.png";
inline constexpr const char* kPngNotWritten = "The frame could not be encoded as PNG.";
// The main window's ways in: a keyboard shortcut, and the list's context menu.
inline constexpr const char* kViewDef = "View DEF...";
inline constexpr const char* kViewDefShortcut = "Ctrl+D";
inline constexpr const char* kViewBuiltDef = "View the built DEF";

}  // namespace kelvane::ui::viewer_text
