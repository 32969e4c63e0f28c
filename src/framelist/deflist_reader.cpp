// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/deflist_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/int_text.h"
#include "base/path_parts.h"
#include "base/verbatim_texts.h"
#include "framelist/deflist_extras.h"
#include "framelist/first_frame_size.h"
#include "framelist/group_end_mark.h"
#include "framelist/separators.h"
#include "framelist/text_file_reader.h"

namespace kelvane {

namespace {

// Far more than any list of frames needs (a million lines of 256 characters).
constexpr uint64_t kLargestDefListBytes = uint64_t{256} << 20;

// Each line becomes an entry of the list, which costs tens of bytes however
// short the line: a file of empty lines would otherwise take dozens of times
// its size. A million entries is far beyond any DEF's frames; a path longer than PATH_MAX (4096
// bytes on Linux, with its end) names no file that can be opened.
constexpr TextLimits kDefListLimits{size_t{1} << 20, 4096};

HeaderLine ReadHeaderLine(TextFileReader& in, HeaderField field) {
  HeaderLine line;
  line.field = field;
  switch (KindOf(field)) {
    case ControlKind::ComboBox:
      line.index = in.ReadIntegerLine();
      break;
    case ControlKind::EditField:
      line.text = in.ReadLine();
      break;
    case ControlKind::CheckBox:
      line.checked = in.ReadLine() == text::kTrue;
      break;
  }
  return line;
}

// Adds the list lines' entries and numbers. Group numbers go by slot: each
// line that closes a group with "+" takes the next slot, as the writer counts
// separators (a line ending in "p+", which carries no number, and a line of
// hyphens take none). The table has 22 slots; a document with more groups
// still loads all of them, and the numbers of the groups past the 22nd are
// read but not stored (the writer saves those groups with the number 0).
class ListLineReader {
 public:
  ListLineReader(FrameList& list, GroupNumbers& numbers) : list_(list), numbers_(numbers) {}

  void Add(const std::string& line) {
    if (line.empty() || line.back() != '+') {
      list_.Append(line);  // a line of 94 hyphens is a separator this way
    } else if (auto split = SplitGroupEndMark(line)) {
      AddEndedGroup(split->text, split->number);
    } else {
      AddOldStyleEnd(line);
    }
  }

 private:
  void AddEndedGroup(const std::string& frame, int number) {
    // A mark alone closes a group without frames: a separator that followed no frame.
    if (!frame.empty()) {
      list_.Append(frame);
    }
    CloseGroup(number);
  }

  void CloseGroup(std::optional<int> number) {
    list_.Append(kGroupSeparator);
    if (number && slot_ < numbers_.size()) {
      numbers_[slot_] = static_cast<uint8_t>(*number);  // the low 8 bits
    }
    ++slot_;
  }

  // Lines ending in "+" without a mark: the frame ends in 'p' (as every ".bmp"
  // does) and the number, if any, stands between that 'p' and the "+".
  void AddOldStyleEnd(const std::string& line) {
    const size_t plus = line.size() - 1;
    if (plus >= 1 && line[plus - 1] == 'p') {
      // A separator with no number, which takes no slot either.
      list_.Append(line.substr(0, plus));
      list_.Append(kGroupSeparator);
      return;
    }
    for (const size_t back : {3, 4, 5}) {
      if (plus >= back && line[plus - back] == 'p') {
        const size_t fieldStart = plus - std::min<size_t>(back - 1, 3);
        const int32_t number = StrToInt(line.substr(fieldStart, plus - fieldStart));
        list_.Append(line.substr(0, plus - back + 1));
        CloseGroup(number);
        return;
      }
    }
    list_.Append(line);
    CloseGroup(std::nullopt);
  }

  FrameList& list_;
  GroupNumbers& numbers_;
  size_t slot_ = 0;
};

}  // namespace

void ReadDefList(std::string bytes, DefListType type, FrameList& list, GroupNumbers& numbers,
                 const HeaderSink& applyHeader, const std::string& name) {
  TextFileReader in(std::move(bytes), name, kDefListLimits);
  if (type == DefListType::WithHeader) {
    for (const HeaderField field : kHeaderFields) {
      const HeaderLine line = ReadHeaderLine(in, field);
      if (applyHeader) {
        applyHeader(line);
      }
    }
  }
  // Filled aside and handed over whole, even when a line fails: a view of
  // `list` hears of one change, not of one per line.
  FrameList read;
  ListLineReader lines(read, numbers);
  try {
    do {
      lines.Add(in.ReadLine());
    } while (!in.AtEnd());
  } catch (...) {
    list = std::move(read);
    throw;
  }
  list = std::move(read);
}

void LoadDefList(const std::string& path, DefListType type, FrameList& list, GroupNumbers& numbers,
                 const HeaderSink& applyHeader) {
  std::string bytes;
  ReadWholeFile(path, bytes, kLargestDefListBytes);
  ReadDefList(std::move(bytes), type, list, numbers, applyHeader, path);
}

void LoadDefList(const std::string& path, DefListType type, FrameDocument& document) {
  WindowSettings& settings = document.settings;
  std::string bytes;
  ReadWholeFile(path, bytes, kLargestDefListBytes);
  FrameColourOptions colours = ReadDefListExtras(bytes);
  ReadDefList(
      std::move(bytes), type, document.list, document.numbers,
      [&settings](const HeaderLine& line) { ApplyHeaderLine(line, settings); }, path);
  document.colours = std::move(colours);
}

DefListType DetectDefListType(const std::string& bytes, DefListType ifUnsure) {
  // A BMP's header holds zero bytes in its first 54; no text document does.
  constexpr size_t kTextProbeBytes = 1024;
  if (bytes.find('\0') < kTextProbeBytes) {
    return DefListType::WithHeader;
  }
  TextFileReader in(bytes, {});
  for (const HeaderField field : kHeaderFields) {
    switch (KindOf(field)) {
      case ControlKind::ComboBox:
        try {
          in.ReadIntegerLine();
        } catch (const Error&) {
          return field == kHeaderFields.front() ? DefListType::ListOnly : ifUnsure;
        }
        break;
      case ControlKind::EditField:
        in.ReadLine();
        break;
      case ControlKind::CheckBox: {
        std::string flag = in.ReadLine();
        std::transform(flag.begin(), flag.end(), flag.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
        if (flag != text::kTrue && flag != text::kFalse) {
          return ifUnsure;
        }
        break;
      }
    }
  }
  return DefListType::WithHeader;
}

DefListType OpenDefList(const std::string& path, DefListType ifUnsure, FrameDocument& document) {
  std::string bytes;
  ReadWholeFile(path, bytes, kLargestDefListBytes);
  const DefListType type = DetectDefListType(bytes, ifUnsure);
  FrameColourOptions colours = ReadDefListExtras(bytes);
  FrameDocument read = document;
  WindowSettings& settings = read.settings;
  ReadDefList(
      std::move(bytes), type, read.list, read.numbers,
      [&settings](const HeaderLine& line) { ApplyHeaderLine(line, settings); }, path);
  read.folder = FolderOf(path);
  document.list = std::move(read.list);
  document.numbers = read.numbers;
  document.settings = read.settings;
  document.folder = read.folder;
  document.colours = std::move(colours);
  return type;
}

int FinishLoad(const FrameList& list, WindowSettings& settings, const std::string& folder) {
  settings.outputName = text::kDefaultOutputName;
  settings.documentOutputName.clear();
  if (!list.IsEmpty()) {
    const FixedSizeTexts size = FirstFrameSizeRefresh(list, folder);
    settings.fixedWidth = size.width;
    settings.fixedHeight = size.height;
  }
  return SeparatorRefresh(list);
}

}  // namespace kelvane
