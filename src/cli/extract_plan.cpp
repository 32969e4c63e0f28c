// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/extract_plan.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "base/bmp_output.h"
#include "base/little_endian.h"
#include "cli/def_texts.h"
#include "cli/extract_folder.h"
#include "cli/frame_file_names.h"
#include "compiler/def_format.h"
#include "compiler/group_numbering.h"
#include "defread/frame_measures.h"
#include "framelist/separators.h"
#include "framelist/window_settings.h"

namespace kelvane::cli {

namespace {

std::string FrameText(size_t group, size_t frame) {
  return "group " + std::to_string(group + 1) + ", frame " + std::to_string(frame + 1);
}

// Collects reasons, each kind once, with the first place it was met.
class Reasons {
 public:
  void Add(const std::string& kind, const std::string& detail = {}) {
    if (kinds_.insert(kind).second) {
      list_.push_back(detail.empty() ? kind : kind + " (" + detail + ")");
    }
  }
  std::vector<std::string> Take() { return std::move(list_); }

 private:
  std::set<std::string> kinds_;
  std::vector<std::string> list_;
};

// The Type entry whose encoder writes `format`.
int TypeIndexFor(int32_t format) {
  for (size_t i = kFrameFormatByType.size(); i-- > 0;) {
    if (kFrameFormatByType[i] == format) {
      return int(i);  // the last of two entries with format 0: "Terrain"
    }
  }
  return -1;
}

class Planner {
 public:
  Planner(const DefFile& def, const std::string& defName, const std::string& listName)
      : def_(def), measures_(def) {
    taken_[FileNameKey(defName)] = kReserved;
    taken_[FileNameKey(listName)] = kReserved;
  }

  ExtractPlan Run(const std::string& defName) {
    for (size_t g = 0; g < def_.groups().size(); ++g) {
      for (size_t f = 0; f < def_.groups()[g].frames.size(); ++f) {
        PlanFrame(g, f);
      }
      AddSeparator(plan_.document.list);
    }
    ChooseSettings(defName);
    CheckLayout();
    plan_.reasons = reasons_.Take();
    return std::move(plan_);
  }

 private:
  static constexpr size_t kReserved = SIZE_MAX;

  void PlanFrame(size_t g, size_t f) {
    const FrameMeasure& measure = measures_.Of(g, f);
    if (measure.clippedPixels > 0) {
      reasons_.Add("pixels lie outside their full frame and are lost",
                   FrameText(g, f) + ": " + std::to_string(measure.clippedPixels));
    }
    const DefFrameHeader& h = measure.header;
    if (h.leftMargin < 0 || h.topMargin < 0) {
      reasons_.Add("a frame has a negative margin, as X and Y offsets give", FrameText(g, f));
    }
    plan_.document.list.Append(FileFor(g, f));
  }

  // Frames with one name and one block's bytes share a file, as a frame
  // listed twice does; any other frame gets a file of its own.
  std::string FileFor(size_t g, size_t f) {
    const DefFrameName& name = def_.groups()[g].frames[f].name;
    std::string key(name.begin(), name.end());
    const uint32_t block = SameBytesAs(def_.groups()[g].frames[f].offset);
    key.append(reinterpret_cast<const char*>(&block), sizeof block);
    const auto [shared, isNew] = sharedFiles_.try_emplace(std::move(key), plan_.files.size());
    if (!isNew) {
      return plan_.files[shared->second].name;
    }
    const DefFrameHeader& h = measures_.Of(g, f).header;
    std::string file = NewFileName(name, g, f);
    taken_[FileNameKey(file)] = plan_.files.size();
    plan_.files.push_back({file, g, f});
    plan_.bmpBytes += Bmp8FileSize(h.fullWidth, h.fullHeight);
    return file;
  }

  // The first free name that gives the frame its name back, else the first
  // free safe one; names that differ in letter case alone are one name. Each
  // kind of name counts its variants on from the last one taken, so that
  // naming n frames takes time linear in n.
  std::string NewFileName(const DefFrameName& name, size_t g, size_t f) {
    int& giving = nextVariant_["giving:" + std::string(name.begin(), name.end())];
    bool caseOnly = false;  // a name taken by another frame's that differs in letter case alone
    for (;; ++giving) {
      const std::optional<std::string> file = FileNameGivingName(name, giving);
      if (!file) {
        break;
      }
      const auto found = taken_.find(FileNameKey(*file));
      if (found == taken_.end()) {
        return *file;
      }
      caseOnly =
          caseOnly || (found->second != kReserved && plan_.files[found->second].name != *file);
    }
    if (giving == 0) {
      reasons_.Add("a frame name comes from no safe file name",
                   FrameText(g, f) + ": \"" + ReadableName(name) + "\"");
    } else if (caseOnly) {
      reasons_.Add(
          "frame names differ only in letter case, which one folder cannot tell apart"
          " on every system",
          "\"" + ReadableName(name) + "\"");
    } else {
      reasons_.Add("frames share a name but not their data", "\"" + ReadableName(name) + "\"");
    }
    int& fallback = nextVariant_["safe:" + FileNameKey(FallbackFileName(name, 0))];
    for (fallback = std::max(fallback, giving);; ++fallback) {
      std::string file = FallbackFileName(name, fallback);
      if (taken_.count(FileNameKey(file)) == 0) {
        return file;
      }
    }
  }

  // The first block offset whose block has the same bytes as the block at
  // `offset`. Distinct blocks do not overlap, so hashing each once stays
  // within the file's size.
  uint32_t SameBytesAs(uint32_t offset) {
    const auto known = sameBytes_.find(offset);
    if (known != sameBytes_.end()) {
      return known->second;
    }
    const uint8_t* block = def_.bytes().data() + offset;
    const uint64_t size = BlockSize(offset);
    std::vector<uint32_t>& alike = byHash_[HashBytes(block, size_t(size))];
    uint32_t first = offset;
    for (const uint32_t other : alike) {
      if (BlockSize(other) == size &&
          std::equal(block, block + size, def_.bytes().data() + other)) {
        first = other;
        break;
      }
    }
    if (first == offset) {
      alike.push_back(offset);
    }
    sameBytes_.emplace(offset, first);
    return first;
  }

  uint64_t BlockSize(uint32_t offset) const {
    return kFrameHeaderSize + LoadLe32(def_.bytes().data() + offset);
  }

  void ChooseSettings(const std::string& defName) {
    WindowSettings& s = plan_.document.settings;
    s.outputName = defName;
    if (def_.FrameCount() == 0 || def_.groups()[0].frames.empty()) {
      reasons_.Add("the first group has no frame, and a list cannot start with a group end");
      return;
    }
    const DefFrameHeader first = def_.FrameHeaderOf(0, 0);
    s = TypePicked(s, TypeIndexFor(first.format));
    if (s.typeIndex < 0) {
      reasons_.Add("format 2 frames, which no Type entry builds");
      s = TypePicked(s, TypeIndexFor(3));
    }
    s.formatsIndex = FormatsIndexFromCode(PositionOfDefType(def_.type()));
    if (s.formatsIndex < 0) {
      reasons_.Add("its type is not one of $40 to $49");
      s.formatsIndex = DefaultFormatsForType(s.typeIndex);
    }
    CheckFormats(first);
    if (def_.width() != first.fullWidth || def_.height() != first.fullHeight) {
      s = SetFixedSize(s, true);
      s.fixedWidth = std::to_string(def_.width());
      s.fixedHeight = std::to_string(def_.height());
    }
    ChooseNumbering();
  }

  void CheckFormats(const DefFrameHeader& first) {
    for (size_t g = 0; g < def_.groups().size(); ++g) {
      for (size_t f = 0; f < def_.groups()[g].frames.size(); ++f) {
        const DefFrameHeader h = def_.FrameHeaderOf(g, f);
        if (h.format != first.format) {
          reasons_.Add("its frames use more than one format", FrameText(g, f));
        }
        if (h.format == 1 && (h.fullWidth != first.fullWidth || h.fullHeight != first.fullHeight)) {
          reasons_.Add("format 1 frames of different full sizes", FrameText(g, f));
        }
      }
    }
  }

  // A running number from the first group's on, or the 22 slots of "Custom".
  void ChooseNumbering() {
    const std::vector<DefGroupEntry>& groups = def_.groups();
    FrameDocument& doc = plan_.document;
    if (groups[0].number >= 0 && groups[0].number <= 255) {
      doc.numbers[0] = uint8_t(groups[0].number);
      GroupNumbering running(doc.numbers, -1);
      bool follows = true;
      for (size_t g = 0; g < groups.size(); ++g) {
        follows = follows && running.Next(int(g)) == groups[g].number;
      }
      if (follows) {
        doc.settings.monsterIndex = -1;
        return;
      }
    }
    doc.settings.monsterIndex = kMonsterCustom;
    if (groups.size() > doc.numbers.size()) {
      reasons_.Add("more than 22 groups with numbers that do not run one after another");
      return;
    }
    for (size_t g = 0; g < groups.size(); ++g) {
      if (groups[g].number < 0 || groups[g].number > 255) {
        reasons_.Add("a group number outside 0 to 255", "group " + std::to_string(g + 1));
      }
      doc.numbers[g] = uint8_t(groups[g].number);
    }
  }

  // As the builder writes them: blocks one after another in frame order,
  // nothing after the last, and the group entries' reserved fields zero.
  void CheckLayout() {
    uint64_t next = def_.framesStart();
    for (size_t g = 0; g < def_.groups().size(); ++g) {
      const DefGroupEntry& group = def_.groups()[g];
      if (group.reserved[0] != 0 || group.reserved[1] != 0) {
        reasons_.Add("a group entry's reserved fields are not zero",
                     "group " + std::to_string(g + 1));
      }
      for (size_t f = 0; f < group.frames.size(); ++f) {
        if (group.frames[f].offset != next) {
          reasons_.Add("its frame data blocks are shared, reordered or apart", FrameText(g, f));
        }
        next = group.frames[f].offset + 32 + uint64_t(def_.FrameHeaderOf(g, f).dataSize);
      }
    }
    if (next != def_.size()) {
      reasons_.Add("bytes follow the last frame's data");
    }
  }

  const DefFile& def_;
  const FrameMeasures measures_;
  ExtractPlan plan_;
  Reasons reasons_;
  std::unordered_map<std::string, size_t> taken_;  // file names: the file's index, or reserved
  std::unordered_map<std::string, size_t> sharedFiles_;  // name and block: the file's index
  std::unordered_map<std::string, int> nextVariant_;
  std::unordered_map<uint32_t, uint32_t> sameBytes_;  // block offset: first with its bytes
  std::unordered_map<uint64_t, std::vector<uint32_t>> byHash_;
};

}  // namespace

ExtractPlan PlanExtraction(const DefFile& def, const std::string& defName,
                           const std::string& listName) {
  return Planner(def, defName, listName).Run(defName);
}

}  // namespace kelvane::cli
