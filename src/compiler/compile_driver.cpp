#include "compiler/compile_driver.h"

#include <new>
#include <vector>

#include "compiler/binary_file.h"
#include "compiler/def_format.h"
#include "compiler/errors.h"
#include "compiler/frame_encoders.h"
#include "compiler/frame_naming.h"
#include "compiler/group_numbering.h"
#include "compiler/int_text.h"
#include "compiler/little_endian.h"
#include "framelist/separators.h"
#include "prepare/palette_check.h"

namespace kelvane {

namespace {

const char* const kCaption = "!Atantion";

bool TypesChosen(const CompileOptions& options) {
  return options.typePosition >= 0 && options.typePosition < int(kFrameFormatByType.size()) &&
         options.formatsPosition >= 0 && options.formatsPosition < int(kDefTypeTable.size());
}

class Progress {
 public:
  explicit Progress(CompileHost& host) : host_(host) {}
  void Set(int value) {
    value_ = value;
    host_.SetProgress(value_);
  }
  void Advance(int step) { Set(value_ + step); }

 private:
  CompileHost& host_;
  int value_ = 0;
};

void RefuseCustomNumbersBeyondTable(const CompileState& state, const CompileOptions& options) {
  if (options.monsterPosition == kMonsterCustom && state.GroupCount > int(kGroupNumberSlots)) {
    ThrowInputError("Type of monster \"Custom\" numbers at most " +
                    std::to_string(kGroupNumberSlots) + " groups; this list has " +
                    std::to_string(state.GroupCount));
  }
}

void ReadFirstFrame(CompileState& state, const FrameList& list) {
  if (list.IsSeparator(0)) {
    // The first entry is read as a frame; a separator's text names no file.
    ThrowIoError(io_code::kFileNotFound, list.Text(0));
  }
  ReadBmpHeader(list.Text(0), state.BmpHeader, &state.bmpPalette);
  state.FrameWidth = state.BmpHeader.biWidth;
  state.FrameHeight = state.BmpHeader.biHeight;
  state.FirstFrameWidth = static_cast<uint16_t>(state.BmpHeader.biWidth);
  state.FirstFrameHeight = static_cast<uint16_t>(state.BmpHeader.biHeight);
}

void ApplyFixedSize(CompileState& state, const CompileOptions& options) {
  if (!options.fixedSize) {
    return;
  }
  const int32_t width = StrToInt(options.fixedWidth);
  const int32_t height = StrToInt(options.fixedHeight);
  if (width <= 0 || height <= 0) {
    ThrowInputError("Fixed Size must be at least 1 x 1; it is " + options.fixedWidth + " x " +
                    options.fixedHeight);
  }
  state.FrameWidth = width;
  state.FrameHeight = height;
}

void EncodeFrame(CompileState& state, const CompileOptions& options, const FrameList& list,
                 size_t index) {
  FrameEntryRef entry{list.Text(index), static_cast<int>(index) + 1, list.Checked(index)};
  std::vector<uint8_t>& blocks = state.FrameBlocks;
  switch (kFrameFormatByType[size_t(options.typePosition)]) {
    case 0:
      ConverFileBMPtoPCX0(state, entry.bmpPath, blocks);
      break;
    case 1:
      ConverFileBMPtoPCX1(state, options, entry, blocks);
      break;
    default:
      ConverFileBMPtoPCX3(state, options, entry, blocks);
      break;
  }
  state.FrameBlockEnds.push_back(blocks.size());
}

// First pass: encodes every frame and returns where the first frame block
// starts: 784 + 16 per separator + 17 per frame.
int64_t EncodeAllFrames(CompileState& state, const CompileOptions& options, const FrameList& list,
                        Progress& progress) {
  state.FrameBlocks.clear();
  state.FrameBlockEnds.clear();
  const int step = list.Count() < 80 ? 2 : 1;
  int64_t firstBlock = kDefHeaderSize;
  for (size_t index = 0; index < list.Count(); ++index) {
    progress.Advance(step);
    if (list.IsSeparator(index)) {
      firstBlock += kGroupEntryHeadSize;
    } else {
      EncodeFrame(state, options, list, index);
      firstBlock += kFrameIndexEntrySize;
    }
  }
  return firstBlock;
}

void ComputeFrameOffsets(CompileState& state, int64_t firstBlock) {
  const size_t frames = state.FrameBlockEnds.size();
  const int64_t fileSize = firstBlock + int64_t(state.FrameBlocks.size());
  if (fileSize > INT32_MAX) {
    ThrowInputError("The DEF would be " + std::to_string(fileSize) +
                    " bytes long; its offsets reach at most 2147483647");
  }
  state.FrameOffsets.assign(frames + 1, 0);
  size_t blockStart = 0;
  for (size_t n = 1; n <= frames; ++n) {
    state.FrameOffsets[n] = static_cast<int32_t>(firstBlock + int64_t(blockStart));
    blockStart = state.FrameBlockEnds[n - 1];
  }
}

// Second pass: one entry per group with its number, frame names and offsets.
std::vector<uint8_t> BuildGroupEntries(const CompileState& state, const CompileOptions& options,
                                       const FrameList& list) {
  std::vector<uint8_t> out;
  GroupNumbering numbering(state.groupNumbers, options.monsterPosition);
  size_t groupStart = 0;
  size_t frameNumber = 1;
  int ordinal = 0;
  for (size_t index = 0; index < list.Count(); ++index) {
    if (!list.IsSeparator(index)) {
      continue;
    }
    const auto frameCount = static_cast<int32_t>(index - groupStart);
    AppendGroupEntryHead(numbering.Next(ordinal++), frameCount, out);
    for (size_t i = groupStart; i < index; ++i) {
      const FrameName name = MakeFrameName(list.Text(i), options.nameMask);
      out.insert(out.end(), name.begin(), name.end());
    }
    for (int32_t i = 0; i < frameCount; ++i) {
      PutLe32(out, state.FrameOffsets[frameNumber++]);
    }
    groupStart = index + 1;
  }
  return out;
}

void Compile(CompileState& state, FrameList& list, const CompileOptions& options,
             Progress& progress) {
  progress.Set(1);
  if (!list.IsSeparator(list.Count() - 1)) {
    AddSeparator(list, state);
  }
  state.DefTypeCode = kDefTypeTable[size_t(options.formatsPosition)];
  SeparatorRefresh(list, state);
  RefuseCustomNumbersBeyondTable(state, options);
  // The first group's end is looked for from the second entry on: a list that
  // is a lone separator ends here with the list's index error.
  FindNearSeparator(list, 1);

  progress.Set(5);
  ReadFirstFrame(state, list);
  progress.Set(10);
  state.rgbPalette = BuildRgbPalette(state.bmpPalette);
  progress.Set(12);
  ReplacingFileWriter output(options.outputPath);
  ApplyFixedSize(state, options);

  std::vector<uint8_t> header;
  AppendDefHeader(state, header);
  output.Write(header);
  progress.Set(15);

  const int64_t firstBlock = EncodeAllFrames(state, options, list, progress);
  ComputeFrameOffsets(state, firstBlock);
  output.Write(BuildGroupEntries(state, options, list));
  progress.Advance(10);
  output.Write(state.FrameBlocks);
  output.Commit();
  for (int closingStep = 0; closingStep < 3; ++closingStep) {
    progress.Advance(10);
  }
  progress.Set(100);
  progress.Set(0);
}

}  // namespace

CompileOutcome CreateDefFile(CompileState& state, FrameList& list, const CompileOptions& options,
                             CompileHost& host) {
  using Status = CompileOutcome::Status;
  if (list.IsEmpty()) {
    host.ShowMessage("Please enter files for compile", kCaption);
    return {Status::Stopped, {}, {}};
  }
  try {
    if (options.checkPalette && SolidColorCheck(list, state, host) &&
        !host.AskOkCancel("Do you wnat continue?", kCaption)) {
      return {Status::Cancelled, {}, {}};
    }
    if (!TypesChosen(options)) {
      return {Status::Stopped, {}, {}};
    }
    Progress progress(host);
    Compile(state, list, options, progress);
    return {Status::Written, {}, {}};
  } catch (const Error& error) {
    return {Status::Failed, error.what(), error.path()};
  } catch (const std::bad_alloc&) {
    return {Status::Failed, "Out of memory", {}};
  }
}

}  // namespace kelvane
