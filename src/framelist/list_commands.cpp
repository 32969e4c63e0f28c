// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/list_commands.h"

#include "base/verbatim_texts.h"
#include "framelist/separators.h"

namespace kelvane {

Question ClearListQuestion() {
  return {text::kClearListQuestion, text::kWarningCaption};
}

bool AddFiles(FrameList& list, Selection selected, const std::vector<std::string>& paths) {
  if (selected) {
    list.Text(*selected);  // a stale selection fails before anything is added
  }
  for (const auto& path : paths) {
    list.Insert(selected ? *selected + 1 : list.Count(), path);
  }
  return !paths.empty() && list.Count() == 1;
}

CutOutcome CutFile(FrameList& list, Selection selected) {
  CutOutcome outcome;
  if (!selected) {
    outcome.separatorCount = SeparatorRefresh(list);
    return outcome;
  }
  list.Remove(*selected);
  outcome.separatorCount = SeparatorRefresh(list);
  outcome.cut = true;
  if (*selected < list.Count()) {
    outcome.selection = selected;
  }
  outcome.listEmptied = list.IsEmpty();
  return outcome;
}

std::optional<Question> NewListQuestion(const FrameList& list) {
  if (list.IsEmpty()) {
    return std::nullopt;
  }
  return ClearListQuestion();
}

void NewList(FrameList& list, GroupNumbers& numbers) {
  list.Clear();
  numbers.fill(0);
}

Selection CheckMarkToggled(FrameList& list, size_t position, bool checked, Selection selected) {
  list.SetChecked(position, checked);
  if (!selected || *selected + 1 >= list.Count()) {
    return std::nullopt;
  }
  return *selected + 1;
}

}  // namespace kelvane
