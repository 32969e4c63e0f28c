#include "framelist/frame_list.h"

#include <algorithm>
#include <utility>

#include "base/errors.h"

namespace kelvane {

bool IsGroupSeparator(const std::string& text) {
  return text == kGroupSeparator;
}

void FrameList::RequireIndex(size_t index) const {
  if (index >= texts_.size()) {
    ThrowListIndexError(static_cast<int>(index));
  }
}

const std::string& FrameList::Text(size_t index) const {
  RequireIndex(index);
  return texts_[index];
}

bool FrameList::Checked(size_t index) const {
  RequireIndex(index);
  return checks_[index];
}

void FrameList::Append(std::string text, bool checked) {
  texts_.push_back(std::move(text));
  checks_.push_back(checked);
}

void FrameList::SetText(size_t index, std::string text) {
  RequireIndex(index);
  texts_[index] = std::move(text);
}

void FrameList::SetChecked(size_t index, bool checked) {
  RequireIndex(index);
  checks_[index] = checked;
}

void FrameList::ExchangeTexts(size_t a, size_t b) {
  RequireIndex(a);
  RequireIndex(b);
  std::swap(texts_[a], texts_[b]);
}

void FrameList::Remove(size_t index) {
  RequireIndex(index);
  texts_.erase(texts_.begin() + static_cast<std::ptrdiff_t>(index));
  checks_.erase(checks_.begin() + static_cast<std::ptrdiff_t>(index));
}

void FrameList::Clear() {
  texts_.clear();
  checks_.clear();
}

size_t FrameList::SeparatorCount() const {
  return static_cast<size_t>(std::count(texts_.begin(), texts_.end(), kGroupSeparator));
}

int FindNearSeparator(const FrameList& list, size_t start) {
  for (size_t i = start;; ++i) {
    if (list.IsSeparator(i)) {
      return static_cast<int>(i) + 1;
    }
  }
}

}  // namespace kelvane
