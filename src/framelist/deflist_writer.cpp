// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/deflist_writer.h"

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/replacing_writer.h"
#include "framelist/deflist_extras.h"
#include "framelist/deflist_header.h"
#include "framelist/group_end_mark.h"

namespace kelvane {

namespace {

const char* const kLineEnd = "\r\n";

[[noreturn]] void RefuseText(const std::string& text, const std::string& why) {
  ThrowInputError("\"" + text + "\" cannot be saved in a DefList: " + why);
}

void CheckLineText(const std::string& text) {
  if (text.find_first_of("\r\n\x1A") != std::string::npos) {
    RefuseText(text, "it holds a CR, an LF or a character 26, which end a line or the file");
  }
}

// The frame at `index` is followed by a separator, whose mark shares its line.
bool ClosesGroup(const FrameList& list, size_t index) {
  return index + 1 < list.Count() && list.IsSeparator(index + 1);
}

void CheckFrameText(const FrameList& list, size_t index) {
  const std::string& text = list.Text(index);
  CheckLineText(text);
  const bool closesGroup = ClosesGroup(list, index);
  if (!closesGroup && !text.empty() && text.back() == '+') {
    RefuseText(text, "a line ending in \"+\" is read as the end of a group");
  }
  if (closesGroup && text.empty()) {
    RefuseText(text, "an empty frame before a separator reads back as an empty group");
  }
}

uint8_t NumberOfGroup(const GroupNumbers& numbers, size_t ordinal) {
  return ordinal < numbers.size() ? numbers[ordinal] : 0;
}

}  // namespace

std::string DefListSaveName(const std::string& chosen) {
  const size_t nameStart = SplitPath(chosen).folder.size();
  const size_t dot = chosen.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && dot >= nameStart;
  return (hasExtension ? chosen.substr(0, dot) : chosen) + ".H3L";
}

std::string DefListText(const WindowSettings& settings, const FrameList& list,
                        const GroupNumbers& numbers) {
  std::string text;
  for (const HeaderField field : kHeaderFields) {
    const std::string line = HeaderLineText(settings, field);
    CheckLineText(line);
    text += line + kLineEnd;
  }
  size_t separatorsMet = 0;
  for (size_t index = 0; index < list.Count(); ++index) {
    if (list.IsSeparator(index)) {
      text += GroupEndMark(NumberOfGroup(numbers, separatorsMet++)) + kLineEnd;
      continue;
    }
    CheckFrameText(list, index);
    text += list.Text(index);
    if (!ClosesGroup(list, index)) {
      text += kLineEnd;
    }
  }
  return text;
}

void SaveDefList(const std::string& path, const WindowSettings& settings, const FrameList& list,
                 const GroupNumbers& numbers, const FrameColourOptions& colours) {
  const std::string text = DefListText(settings, list, numbers) + DefListExtrasText(colours);
  ReplacingFileWriter file(path);
  file.Write(text.data(), text.size());
  file.Commit();
}

}  // namespace kelvane
