#include "framelist/separators.h"

namespace kelvane {

int SeparatorRefresh(const FrameList& list, CompileState& state) {
  state.GroupCount = static_cast<int32_t>(list.SeparatorCount());
  return state.GroupCount;
}

void AddSeparator(FrameList& list, CompileState& state) {
  list.Append(kGroupSeparator);
  SeparatorRefresh(list, state);
}

}  // namespace kelvane
