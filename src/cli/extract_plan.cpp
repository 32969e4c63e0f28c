// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/extract_plan.h"

#include <map>
#include <set>

#include "cli/def_texts.h"
#include "cli/frame_file_names.h"
#include "compiler/def_format.h"
#include "compiler/group_numbering.h"
#include "framelist/separators.h"
#include "framelist/window_settings.h"

namespace kelvane::cli {

namespace {

constexpr int32_t kHighestType = 0x49;

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

bool SamePixels(const DefImage& a, const DefImage& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

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
  Planner(const DefFile& def, const std::string& defName, const std::string& listName) : def_(def) {
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
    const DefFrameName& name = def_.groups()[g].frames[f].name;
    def_.DecodeFrame(g, f, image_);
    if (image_.clippedPixels > 0) {
      reasons_.Add("pixels lie outside their full frame and are lost",
                   FrameText(g, f) + ": " + std::to_string(image_.clippedPixels));
    }
    const DefFrameHeader h = def_.FrameHeaderOf(g, f);
    if (h.leftMargin < 0 || h.topMargin < 0) {
      reasons_.Add("a frame has a negative margin, as X and Y offsets give", FrameText(g, f));
    }
    plan_.document.list.Append(FileFor(name, g, f));
  }

  // The first free or fitting name: one that gives the frame its name back if
  // there is one, else a safe one.
  std::string FileFor(const DefFrameName& name, size_t g, size_t f) {
    bool givesName = true;
    bool caseOnly = false;  // a name taken by another frame's that differs in letter case alone
    for (int variant = 0;; ++variant) {
      std::optional<std::string> file =
          givesName ? FileNameGivingName(name, variant) : std::nullopt;
      if (!file) {
        if (givesName && variant == 0) {
          reasons_.Add("a frame name comes from no safe file name",
                       FrameText(g, f) + ": \"" + ReadableName(name) + "\"");
        } else if (givesName && caseOnly) {
          reasons_.Add(
              "frame names differ only in letter case, which one folder cannot tell apart"
              " on every system",
              "\"" + ReadableName(name) + "\"");
        } else if (givesName) {
          reasons_.Add("frames share a name but not their pixels",
                       "\"" + ReadableName(name) + "\"");
        }
        givesName = false;
        file = FallbackFileName(name, variant);
      }
      const auto found = taken_.find(FileNameKey(*file));
      if (found == taken_.end()) {
        taken_[FileNameKey(*file)] = plan_.files.size();
        plan_.files.push_back({*file, g, f});
        return *file;
      }
      if (found->second != kReserved && SharesFile(found->second, name)) {
        return plan_.files[found->second].name;
      }
      caseOnly =
          caseOnly || (found->second != kReserved && plan_.files[found->second].name != *file);
    }
  }

  bool SharesFile(size_t file, const DefFrameName& name) {
    const ExtractedFile& other = plan_.files[file];
    if (def_.groups()[other.group].frames[other.frame].name != name) {
      return false;
    }
    def_.DecodeFrame(other.group, other.frame, otherImage_);
    return SamePixels(image_, otherImage_);
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
    s.formatsIndex = FormatsIndexFromCode(kHighestType - def_.type());
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
  ExtractPlan plan_;
  Reasons reasons_;
  std::map<std::string, size_t> taken_;
  DefImage image_;
  DefImage otherImage_;
};

}  // namespace

ExtractPlan PlanExtraction(const DefFile& def, const std::string& defName,
                           const std::string& listName) {
  return Planner(def, defName, listName).Run(defName);
}

}  // namespace kelvane::cli
