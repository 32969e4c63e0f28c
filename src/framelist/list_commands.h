// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framelist/frame_list.h"
#include "framelist/group_numbers.h"

namespace kelvane {

// The list commands of the main window, as operations on the model. The window
// shows the dialogs and message boxes; these take what the user chose and
// return what the window must show or do next.

// A modal OK/Cancel question.
struct Question {
  std::string text;
  std::string caption;
};

// The question that comes before the list is thrown away (New, the creature wizard).
Question ClearListQuestion();

// ADD File: each path in dialog order goes in just below the selected entry,
// the entries after it moving down with their check marks, so paths chosen
// together end up reversed. Without a selection they are appended. Returns
// whether FirstFrameSizeRefresh must run: paths were added and the list now
// holds exactly one entry. A cancelled dialog passes no paths and changes
// nothing.
[[nodiscard]] bool AddFiles(FrameList& list, Selection selected,
                            const std::vector<std::string>& paths);

struct CutOutcome {
  bool cut = false;          // false when nothing was selected: nothing changed
  Selection selection;       // the cut position again, none when it is past the end
  bool listEmptied = false;  // the fixed-size fields go back to "0"
  int separatorCount = 0;    // SeparatorRefresh after the cut
};

// Cut File, also the Delete key in the list: removes the selected entry with
// its check mark and recounts the separators. The window then runs the preview
// for the returned selection.
CutOutcome CutFile(FrameList& list, Selection selected);

// New, first half: the question to ask, or none when the list is empty and
// New does nothing at all.
std::optional<Question> NewListQuestion(const FrameList& list);

// New, after OK: empties the list and clears all group numbers; the separator
// count is then 0. The options of the window stay as they are; nothing is
// selected afterwards.
void NewList(FrameList& list, GroupNumbers& numbers);

// After the user toggled the check mark at `position`: records it and returns
// the selection one below the selected entry (none past the last entry, and
// none stays none).
Selection CheckMarkToggled(FrameList& list, size_t position, bool checked, Selection selected);

}  // namespace kelvane
