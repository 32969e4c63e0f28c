// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvane {

// The entry text that closes a group: 94 hyphens.
// Inline, so that it is set up before any use in a file that includes this one,
// also from that file's own static objects.
inline const std::string kGroupSeparator(94, '-');

bool IsGroupSeparator(const std::string& text);

// The selected entry by 0-based index. The list is single-select, and having
// nothing selected is an ordinary state.
using Selection = std::optional<size_t>;

// Told of every change to a FrameList, so that a view can update the rows
// that changed instead of reloading the whole list. Insertions and removals
// come in pairs around the change, as item views expect; rows are 0-based.
class FrameListListener {
 public:
  virtual ~FrameListListener() = default;
  virtual void RowsAboutToBeInserted(size_t first, size_t count) = 0;
  virtual void RowsInserted(size_t first, size_t count) = 0;
  virtual void RowsAboutToBeRemoved(size_t first, size_t count) = 0;
  virtual void RowsRemoved(size_t first, size_t count) = 0;
  // The text or check mark of rows first to last (inclusive) changed.
  virtual void RowsChanged(size_t first, size_t last) = 0;
};

// The ordered entries of the frame list: BMP paths and group separators, each
// with a check mark. Check marks belong to positions, not to texts.
class FrameList {
 public:
  FrameList() = default;
  // A copy or a moved-to list starts without a listener: its changes concern
  // no view. A list moved from is left empty and tells its listener so.
  FrameList(const FrameList& other);
  FrameList(FrameList&& other);
  // Replacing the entries keeps this list's listener and tells it that all old
  // rows went and all new rows came.
  FrameList& operator=(const FrameList& other);
  FrameList& operator=(FrameList&& other);

  // Non-owning; nullptr stops the notices. The listener must outlive the list
  // or be detached first.
  void SetListener(FrameListListener* listener) { listener_ = listener; }

  size_t Count() const { return texts_.size(); }
  bool IsEmpty() const { return texts_.empty(); }

  // Reading past the last entry ends the command with "List index out of bounds (i)".
  const std::string& Text(size_t index) const;
  bool Checked(size_t index) const;
  bool IsSeparator(size_t index) const { return IsGroupSeparator(Text(index)); }

  void Append(std::string text, bool checked = false);
  // Inserts an entry before `index` (Count() appends); the entries from
  // there on move down one position with their check marks.
  void Insert(size_t index, std::string text, bool checked = false);
  void SetText(size_t index, std::string text);
  void SetChecked(size_t index, bool checked);
  void Remove(size_t index);
  // Removes every entry; an empty list reports nothing.
  void Clear();

  size_t SeparatorCount() const;

 private:
  void RequireIndex(size_t index) const;
  void ReportChanged(size_t first, size_t last);
  void ReplaceEntries(std::vector<std::string> texts, std::vector<bool> checks);
  // Empties the list, reporting it, and hands over what it held.
  std::pair<std::vector<std::string>, std::vector<bool>> TakeEntries();

  std::vector<std::string> texts_;
  std::vector<bool> checks_;
  FrameListListener* listener_ = nullptr;
};

// FindNearSeparator: finds where the group that starts at `start` ends.
//
// 1-based position of the first separator at 0-based index `start` or later;
// with none there, the read past the end fails with the list's index error.
int FindNearSeparator(const FrameList& list, size_t start);

// The frame entries' texts, in list order, separators left out.
std::vector<std::string> FramePaths(const FrameList& list);

}  // namespace kelvane
