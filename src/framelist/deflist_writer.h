// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "framelist/frame_document.h"
#include "framelist/frame_list.h"
#include "framelist/group_numbers.h"
#include "framelist/window_settings.h"

namespace kelvane {

// The name a document is saved under: the chosen name with its extension
// replaced by ".H3L", or with ".H3L" appended when it has none.
std::string DefListSaveName(const std::string& chosen);

// A type 2 document: the 15 settings lines, then one line per frame entry,
// the frame that ends a group carrying that group's mark, and a mark alone for
// a separator that follows no frame. Every line ends with CR LF. Paths are
// written as they stand, so the document names exactly the files listed.
//
// The k-th separator's number is GroupNumbers[k]; the table has 22 slots, and
// groups past the 22nd are saved with the number 0.
//
// A text the reader would take apart or cut short is refused with an error,
// rather than saved into a document that loads back differently: a CR or a
// character 26 anywhere, a frame that ends in "+" without a separator after
// it, and an empty frame followed by a separator.
std::string DefListText(const WindowSettings& settings, const FrameList& list,
                        const GroupNumbers& numbers);

// Save As DefList, to the path as given (the window passes DefListSaveName of
// the chosen name, and saves nothing for an empty list): the file is replaced
// only once the whole document is written. Colour options other than the
// defaults follow the list where plain readers do not look (deflist_extras.h).
void SaveDefList(const std::string& path, const WindowSettings& settings, const FrameList& list,
                 const GroupNumbers& numbers, const FrameColourOptions& colours = {});

// Save As DefList for a whole document.
inline void SaveDefList(const std::string& path, const FrameDocument& document) {
  SaveDefList(path, document.settings, document.list, document.numbers, document.colours);
}

}  // namespace kelvane
