#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "framelist/frame_list.h"
#include "framelist/list_commands.h"
#include "framelist/separators.h"

namespace kelvane {
namespace {

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

struct NoticeCase {
  const char* name;
  std::vector<std::string> start;  // "/" stands for a separator
  std::function<void(FrameList&, GroupNumbers&)> command;
  std::vector<std::string> expected;
};

void PrintTo(const NoticeCase& c, std::ostream* out) {
  *out << c.name;
}

class FrameListNoticeTest : public testing::TestWithParam<NoticeCase> {};

TEST_P(FrameListNoticeTest, ReportsExactlyWhatChanged) {
  const NoticeCase& c = GetParam();
  FrameList list;
  for (const auto& text : c.start) {
    list.Append(text == "/" ? kGroupSeparator : text);
  }
  RecordingListener listener(list);
  list.SetListener(&listener);
  GroupNumbers numbers{};
  c.command(list, numbers);
  EXPECT_EQ(listener.notices, c.expected);
}

FrameList Two() {
  FrameList list;
  list.Append("x");
  list.Append("y");
  return list;
}

const NoticeCase kNoticeCases[] = {
    {"AddFilesAfterSelection",
     {"1", "2"},
     [](FrameList& l, GroupNumbers&) {
       static_cast<void>(AddFiles(l, Selection(0), {"A", "B"}));
     },
     {"inserting 2+1 of 2", "inserted 2+1 of 3", "changed 1-2",  //
      "inserting 3+1 of 3", "inserted 3+1 of 4", "changed 2-3", "changed 1-2"}},
    {"AddFilesToEmptyList",
     {},
     [](FrameList& l, GroupNumbers&) { static_cast<void>(AddFiles(l, std::nullopt, {"A"})); },
     {"inserting 0+1 of 0", "inserted 0+1 of 1"}},
    {"AddFilesWithAStaleSelection",
     {"1"},
     [](FrameList& l, GroupNumbers&) {
       EXPECT_THROW(static_cast<void>(AddFiles(l, Selection(3), {"A"})), Error);
     },
     {}},
    {"CutFile",
     {"a", "/", "b"},
     [](FrameList& l, GroupNumbers&) { CutFile(l, Selection(1)); },
     {"removing 1+1 of 3", "removed 1+1 of 2"}},
    {"CutFileWithoutSelection",
     {"a"},
     [](FrameList& l, GroupNumbers&) { CutFile(l, std::nullopt); },
     {}},
    {"AddSeparator",
     {"a"},
     [](FrameList& l, GroupNumbers&) { AddSeparator(l); },
     {"inserting 1+1 of 1", "inserted 1+1 of 2"}},
    {"NewList",
     {"a", "/"},
     [](FrameList& l, GroupNumbers& n) { NewList(l, n); },
     {"removing 0+2 of 2", "removed 0+2 of 0"}},
    {"NewListOnEmptyList", {}, [](FrameList& l, GroupNumbers& n) { NewList(l, n); }, {}},
    {"ExchangeDistantTexts",
     {"a", "b", "c"},
     [](FrameList& l, GroupNumbers&) { l.ExchangeTexts(2, 0); },
     {"changed 0-0", "changed 2-2"}},
    {"ExchangeEqualTexts",
     {"/", "a", "/"},
     [](FrameList& l, GroupNumbers&) { l.ExchangeTexts(0, 2); },
     {}},
    {"SetText",
     {"a", "b"},
     [](FrameList& l, GroupNumbers&) {
       l.SetText(1, "b");
       l.SetText(1, "c");
     },
     {"changed 1-1"}},
    {"CheckMarkToggled",
     {"a", "b"},
     [](FrameList& l, GroupNumbers&) {
       CheckMarkToggled(l, 1, true, Selection(1));
       CheckMarkToggled(l, 1, true, Selection(1));
     },
     {"changed 1-1"}},
    {"IndexPastTheEnd",
     {"a"},
     [](FrameList& l, GroupNumbers&) {
       EXPECT_THROW(l.Remove(1), Error);
       EXPECT_THROW(l.SetChecked(1, true), Error);
       EXPECT_THROW(l.ExchangeTexts(0, 1), Error);
     },
     {}},
    {"ReplacedByAssignment",
     {"a", "b"},
     [](FrameList& l, GroupNumbers&) { l = Two(); },
     {"removing 0+2 of 2", "removed 0+2 of 0", "inserting 0+2 of 0", "inserted 0+2 of 2"}},
    {"CopyChangesAlone",
     {"a"},
     [](FrameList& l, GroupNumbers&) {
       FrameList copy = l;
       copy.Append("b");
       copy.Clear();
     },
     {}},
    {"MovedFrom",
     {"a", "b"},
     [](FrameList& l, GroupNumbers&) {
       FrameList taken = std::move(l);
       taken.Append("c");
     },
     {"removing 0+2 of 2", "removed 0+2 of 0"}},
    {"Detached",
     {"a"},
     [](FrameList& l, GroupNumbers&) {
       l.SetListener(nullptr);
       l.Append("b");
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Commands, FrameListNoticeTest, testing::ValuesIn(kNoticeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvane
