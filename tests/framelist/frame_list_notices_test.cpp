// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "framelist/frame_list.h"
#include "framelist/list_commands.h"
#include "framelist/separators.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::ListOf;

// Writes down every notice with the row count the list has at that moment, so
// that a notice sent on the wrong side of its change shows.
class RecordingListener : public FrameListListener {
 public:
  explicit RecordingListener(const FrameList& list) : list_(list) {}

  void RowsAboutToBeInserted(size_t first, size_t count) override {
    Note("inserting", first, count);
  }
  void RowsInserted(size_t first, size_t count) override { Note("inserted", first, count); }
  void RowsAboutToBeRemoved(size_t first, size_t count) override { Note("removing", first, count); }
  void RowsRemoved(size_t first, size_t count) override { Note("removed", first, count); }
  void RowsChanged(size_t first, size_t last) override {
    notices.push_back("changed " + std::to_string(first) + "-" + std::to_string(last));
  }

  std::vector<std::string> notices;

 private:
  void Note(const char* what, size_t first, size_t count) {
    notices.push_back(std::string(what) + " " + std::to_string(first) + "+" +
                      std::to_string(count) + " of " + std::to_string(list_.Count()));
  }

  const FrameList& list_;
};

TEST(FrameListNoticeTest, EveryCommandReportsExactlyWhatItChanged) {
  struct Case {
    const char* name;
    std::vector<std::string> start;  // "/" stands for a separator
    void (*command)(FrameList&);
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"AddFilesAfterSelection",
       {"1", "2"},
       [](FrameList& l) {
         static_cast<void>(AddFiles(l, Selection(0), {"A", "B"}));
       },
       {"inserting 1+1 of 2", "inserted 1+1 of 3", "inserting 1+1 of 3", "inserted 1+1 of 4"}},
      {"CutFile",
       {"a", "/", "b"},
       [](FrameList& l) { CutFile(l, Selection(1)); },
       {"removing 1+1 of 3", "removed 1+1 of 2"}},
      {"AddSeparator",
       {"a"},
       [](FrameList& l) { AddSeparator(l); },
       {"inserting 1+1 of 1", "inserted 1+1 of 2"}},
      {"NewList",
       {"a", "/"},
       [](FrameList& l) {
         GroupNumbers numbers{};
         NewList(l, numbers);
         NewList(l, numbers);  // on the empty list
       },
       {"removing 0+2 of 2", "removed 0+2 of 0"}},
      {"SetTextAndCheckMark",
       {"a", "b"},
       [](FrameList& l) {
         l.SetText(1, "c");
         CheckMarkToggled(l, 0, true, Selection(1));
       },
       {"changed 1-1", "changed 0-0"}},
      {"NothingChanges",
       {"/", "a", "/"},
       [](FrameList& l) {
         CutFile(l, std::nullopt);
         EXPECT_THROW(static_cast<void>(AddFiles(l, Selection(3), {"A"})), Error);
         EXPECT_THROW(l.Remove(3), Error);
         EXPECT_THROW(l.Insert(4, "x"), Error);
         l.SetText(1, "a");
         l.SetChecked(1, false);
       },
       {}},
      {"ReplacedByAssignment",
       {"a", "b"},
       [](FrameList& l) { l = ListOf({"c"}); },
       {"removing 0+2 of 2", "removed 0+2 of 0", "inserting 0+1 of 0", "inserted 0+1 of 1"}},
      {"CopyChangesAlone",
       {"a"},
       [](FrameList& l) {
         FrameList copy = l;
         copy.Append("b");
       },
       {}},
      {"MovedFrom",
       {"a", "b"},
       [](FrameList& l) {
         FrameList taken = std::move(l);
         taken.Append("c");
       },
       {"removing 0+2 of 2", "removed 0+2 of 0"}},
  };
  for (const Case& c : cases) {
    FrameList list = ListOf(c.start);
    RecordingListener listener(list);
    list.SetListener(&listener);
    c.command(list);
    EXPECT_EQ(listener.notices, c.expected) << c.name;
  }
}

}  // namespace
}  // namespace kelvane
