// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "framelist/deflist_header.h"
#include "framelist/frame_document.h"
#include "framelist/frame_list.h"
#include "framelist/group_numbers.h"
#include "framelist/window_settings.h"

namespace kelvane {

// The two variants of a DefList. The window reads which one a file is from
// its content; the filter entry of the open dialog ("*.h3l" or "*.h3l New")
// decides only where the content could be either.
enum class DefListType {
  ListOnly = 1,    // list lines alone
  WithHeader = 2,  // the 15 settings lines, then the list lines
};

// Receives each header line as it is read, to apply it at once.
using HeaderSink = std::function<void(const HeaderLine&)>;

// Reads a document's bytes into the model: the header lines go to
// `applyHeader` one by one in file order; once the header is read the list is
// emptied (GroupNumbers are not cleared) and refilled from the list lines,
// whose group numbers are stored slot by slot. An error ends the read there:
// header lines already passed on, and entries and numbers already stored, stay.
// A document of more than 1,048,576 lines, or with a line longer than 4096
// bytes, is refused before anything changes, with the line's number.
void ReadDefList(std::string bytes, DefListType type, FrameList& list, GroupNumbers& numbers,
                 const HeaderSink& applyHeader, const std::string& name = {});

// Load DefList, for a file the user chose: as ReadDefList. A file that cannot
// be opened ends the command before anything changes.
void LoadDefList(const std::string& path, DefListType type, FrameList& list, GroupNumbers& numbers,
                 const HeaderSink& applyHeader);

// Load DefList into a document: the header lines go to its settings as the
// window applies them (ApplyHeaderLine), the list lines to its list and
// numbers, and the colour options after the list (deflist_extras.h) replace
// the document's, once the list has been read.
void LoadDefList(const std::string& path, DefListType type, FrameDocument& document);

// The variant a document's bytes hold. A type 2 document starts with its
// settings lines: numbers on lines 1, 2 and 10, TRUE or FALSE (in any case)
// on lines 4 to 6 and 11 to 13. A document whose first line holds no number
// is type 1. Bytes that are no text (a NUL byte early on, as every BMP has)
// are taken as type 2, whose first line then fails as no number. Anything
// else (an empty file, a first line that is a number followed by lines that
// are no settings) could be either and is read as `ifUnsure`.
DefListType DetectDefListType(const std::string& bytes, DefListType ifUnsure);

// Load DefList in the window, from a file named by its full path: the variant
// is detected from the content. Read into a copy of `document` first, so that
// a document that cannot be read changes nothing; read, it replaces the
// list, the numbers it holds, the settings of its header and the colour
// options after its list, and its folder becomes the one relative names are
// taken from. Returns the variant read.
DefListType OpenDefList(const std::string& path, DefListType ifUnsure, FrameDocument& document);

// The steps that end Load DefList, whether a file was read or the dialog was
// cancelled, in this order: the output name becomes "Temp.def"; the fixed-size
// texts become the first frame's size when the list is not empty (a frame that
// cannot be read ends the command here); the separators are recounted, and
// the count returned. So the output name and fixed size of a header never
// survive a load in the window.
int FinishLoad(const FrameList& list, WindowSettings& settings, const std::string& folder = {});
inline int FinishLoad(FrameDocument& document) {
  return FinishLoad(document.list, document.settings, document.folder);
}

}  // namespace kelvane
