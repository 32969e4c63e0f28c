// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/frame_list.h"

#include <algorithm>
#include <utility>

#include "base/errors.h"

namespace kelvane {

bool IsGroupSeparator(const std::string& text) {
  return text == kGroupSeparator;
}

FrameList::FrameList(const FrameList& other) : texts_(other.texts_), checks_(other.checks_) {}

FrameList::FrameList(FrameList&& other) {
  auto entries = other.TakeEntries();
  texts_ = std::move(entries.first);
  checks_ = std::move(entries.second);
}

FrameList& FrameList::operator=(const FrameList& other) {
  if (this != &other) {
    ReplaceEntries(other.texts_, other.checks_);
  }
  return *this;
}

FrameList& FrameList::operator=(FrameList&& other) {
  if (this != &other) {
    auto entries = other.TakeEntries();
    ReplaceEntries(std::move(entries.first), std::move(entries.second));
  }
  return *this;
}

std::pair<std::vector<std::string>, std::vector<bool>> FrameList::TakeEntries() {
  std::pair<std::vector<std::string>, std::vector<bool>> entries;
  const size_t count = texts_.size();
  if (listener_ && count > 0) {
    listener_->RowsAboutToBeRemoved(0, count);
  }
  entries.first.swap(texts_);
  entries.second.swap(checks_);
  if (listener_ && count > 0) {
    listener_->RowsRemoved(0, count);
  }
  return entries;
}

void FrameList::ReplaceEntries(std::vector<std::string> texts, std::vector<bool> checks) {
  TakeEntries();
  if (listener_ && !texts.empty()) {
    listener_->RowsAboutToBeInserted(0, texts.size());
  }
  texts_ = std::move(texts);
  checks_ = std::move(checks);
  if (listener_ && !texts_.empty()) {
    listener_->RowsInserted(0, texts_.size());
  }
}

void FrameList::ReportChanged(size_t first, size_t last) {
  if (listener_) {
    listener_->RowsChanged(first, last);
  }
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
  Insert(texts_.size(), std::move(text), checked);
}

void FrameList::Insert(size_t index, std::string text, bool checked) {
  if (index > texts_.size()) {
    ThrowListIndexError(static_cast<int>(index));
  }
  if (listener_) {
    listener_->RowsAboutToBeInserted(index, 1);
  }
  const auto at = static_cast<std::ptrdiff_t>(index);
  texts_.insert(texts_.begin() + at, std::move(text));
  checks_.insert(checks_.begin() + at, checked);
  if (listener_) {
    listener_->RowsInserted(index, 1);
  }
}

void FrameList::SetText(size_t index, std::string text) {
  RequireIndex(index);
  if (texts_[index] != text) {
    texts_[index] = std::move(text);
    ReportChanged(index, index);
  }
}

void FrameList::SetChecked(size_t index, bool checked) {
  RequireIndex(index);
  if (checks_[index] != checked) {
    checks_[index] = checked;
    ReportChanged(index, index);
  }
}

void FrameList::Remove(size_t index) {
  RequireIndex(index);
  if (listener_) {
    listener_->RowsAboutToBeRemoved(index, 1);
  }
  texts_.erase(texts_.begin() + static_cast<std::ptrdiff_t>(index));
  checks_.erase(checks_.begin() + static_cast<std::ptrdiff_t>(index));
  if (listener_) {
    listener_->RowsRemoved(index, 1);
  }
}

void FrameList::Clear() {
  TakeEntries();
}

size_t FrameList::SeparatorCount() const {
  return static_cast<size_t>(std::count(texts_.begin(), texts_.end(), kGroupSeparator));
}

std::vector<std::string> FramePaths(const FrameList& list) {
  std::vector<std::string> paths;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSeparator(i)) {
      paths.push_back(list.Text(i));
    }
  }
  return paths;
}

int FindNearSeparator(const FrameList& list, size_t start) {
  for (size_t i = start;; ++i) {
    if (list.IsSeparator(i)) {
      return static_cast<int>(i) + 1;
    }
  }
}

}  // namespace kelvane
