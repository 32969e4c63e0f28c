// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/def_groups.h"

#include "compiler/group_numbering.h"

namespace kelvane {

std::vector<DefGroup> DefGroupsOf(const FrameDocument& document) {
  const FrameList& list = document.list;
  GroupNumbering numbering(document.numbers, document.settings.monsterIndex);
  std::vector<DefGroup> groups;
  DefGroup group;
  for (size_t index = 0; index < list.Count(); ++index) {
    if (list.IsSeparator(index)) {
      group.number = numbering.Next(static_cast<int>(groups.size()));
      groups.push_back(std::move(group));
      group = DefGroup{};
    } else {
      group.entries.push_back(index);
      group.names.push_back(MakeFrameName(list.Text(index), document.settings.nameMask));
    }
  }
  return groups;
}

}  // namespace kelvane
