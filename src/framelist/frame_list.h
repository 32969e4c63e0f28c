#pragma once

#include <cstddef>
#include <optional>
#include <string>
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

// The ordered entries of the frame list: BMP paths and group separators, each
// with a check mark. Check marks belong to positions, not to texts.
class FrameList {
 public:
  size_t Count() const { return texts_.size(); }
  bool IsEmpty() const { return texts_.empty(); }

  // Reading past the last entry ends the command with "List index out of bounds (i)".
  const std::string& Text(size_t index) const;
  bool Checked(size_t index) const;
  bool IsSeparator(size_t index) const { return IsGroupSeparator(Text(index)); }

  void Append(std::string text, bool checked = false);
  void SetText(size_t index, std::string text);
  void SetChecked(size_t index, bool checked);
  // Swaps the texts of two entries; the check marks stay at their positions.
  void ExchangeTexts(size_t a, size_t b);
  void Remove(size_t index);
  void Clear();

  size_t SeparatorCount() const;

 private:
  void RequireIndex(size_t index) const;

  std::vector<std::string> texts_;
  std::vector<bool> checks_;
};

// FindNearSeparator: finds where the group that starts at `start` ends.
//
// 1-based position of the first separator at 0-based index `start` or later;
// with none there, the read past the end fails with the list's index error.
int FindNearSeparator(const FrameList& list, size_t start);

}  // namespace kelvane
