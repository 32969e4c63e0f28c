// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/compile_driver.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <new>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "base/ordered_workers.h"
#include "base/replacing_writer.h"
#include "base/verbatim_texts.h"
#include "compiler/def_format.h"
#include "compiler/def_groups.h"
#include "compiler/frame_encoders.h"
#include "compiler/frame_stream.h"
#include "compiler/group_numbering.h"
#include "framelist/document_output.h"
#include "framelist/separators.h"
#include "prepare/def_palette.h"
#include "prepare/palette_check.h"
#include "prepare/palette_file.h"

namespace kelvane {

namespace {

bool TypesChosen(const WindowSettings& options) {
  return options.typeIndex >= 0 && options.typeIndex < int(kFrameFormatByType.size()) &&
         options.formatsIndex >= 0 && options.formatsIndex < kDefTypeCount;
}

// Thrown when the host asks the compilation to stop; the replacing writer's
// unwinding removes the temporary file.
struct StopRequested {};

// The gauge's steps and the frame count, and the host's stop request.
class Progress {
 public:
  explicit Progress(CompileHost& host) : host_(host) {}
  void Set(int value) {
    value_ = value;
    host_.SetProgress(value_);
  }
  void Advance(int step) { Set(value_ + step); }
  void Frames(size_t encoded, size_t total, const std::string& nextFrame) {
    host_.FrameProgress(encoded, total, nextFrame);
  }
  void Read(const std::string& bmpPath, int32_t width) { host_.FrameRead(bmpPath, width); }
  void StopIfRequested() {
    if (host_.StopRequested()) {
      throw StopRequested{};
    }
  }

 private:
  CompileHost& host_;
  int value_ = 0;
};

void RefuseCustomNumbersBeyondTable(const CompileState& state, const WindowSettings& options) {
  if (options.monsterIndex == kMonsterCustom && state.groupCount > int(kGroupNumberSlots)) {
    ThrowInputError("Type of monster \"Custom\" numbers at most " +
                    std::to_string(kGroupNumberSlots) + " groups; this list has " +
                    std::to_string(state.groupCount));
  }
}

// The DEF header's frame size and the format 1 full size come from the first
// entry, read as a frame even when it is a separator (whose text names no file).
FrameInfo ReadFirstFrame(CompileState& state, const FrameList& list) {
  if (list.IsSeparator(0)) {
    ThrowIoError(io_code::kFileNotFound, list.Text(0));
  }
  const FrameInfo first = ReadFrameInfo(list.Text(0));
  state.frameWidth = first.width;
  state.frameHeight = first.height;
  return first;
}

// The DEF's palette: the first frame's colour table when it is an 8-bit
// frame and no reference is given, as it has always been; else by the palette
// rule, quantising the frames when they bring no palette.
ColourMapping ChooseColours(const FrameDocument& document, const FrameInfo& first,
                            Progress& progress) {
  const FrameColourOptions& options = document.colours;
  if (options.referencePalette.empty() && first.colours == FrameColours::Indexed) {
    return {BuildRgbPalette(first.palette), options.dither};
  }
  return DefColourMapping(FramePaths(document.list), options.referencePalette, options.dither,
                          [&progress] { progress.StopIfRequested(); });
}

FrameSettings ResolveSettings(CompileState& state, const WindowSettings& options, int32_t format,
                              const FrameInfo& first) {
  FrameSettings frame = ResolveFrameSettings(options, format);
  if (frame.fixedSize) {
    state.frameWidth = frame.fixedSize->width;
    state.frameHeight = frame.fixedSize->height;
  }
  frame.firstFrameWidth = static_cast<uint16_t>(first.width);
  frame.firstFrameHeight = static_cast<uint16_t>(first.height);
  return frame;
}

// The frame entries of the list, as the encoders see them.
std::vector<FrameEntryRef> FrameEntries(const FrameList& list) {
  std::vector<FrameEntryRef> entries;
  for (size_t index = 0; index < list.Count(); ++index) {
    if (!list.IsSeparator(index)) {
      entries.push_back({list.Text(index), static_cast<int>(index) + 1, list.Checked(index)});
    }
  }
  return entries;
}

// The pixel bytes of a frame like the first, before and after the fixed size.
uint64_t FrameBytes(const FrameInfo& first, const FrameSettings& settings) {
  const uint64_t height = uint64_t(std::abs(int64_t{first.height}));
  uint64_t bytes = uint64_t{RowStride(first.width)} * height;
  if (settings.fixedSize) {
    bytes = std::max<uint64_t>(bytes, uint64_t{RowStride(settings.fixedSize->width)} *
                                          uint64_t(settings.fixedSize->height));
  }
  return bytes;
}

// Checked as each frame is read, so that it costs no extra look at the files:
// the output is replaced only at the end, after every frame has been read.
void RefuseFrameThatIsTheOutput(const FileIdentity& frame, const ReplacingFileWriter& output,
                                const std::string& bmpPath) {
  if (output.WouldReplace(frame)) {
    ThrowInputError("The output file is the frame \"" + bmpPath +
                        "\": a build never writes over one of its frames",
                    bmpPath);
  }
}

// Where the first frame block starts: after the header and the group entries,
// 16 bytes per separator and 17 per frame.
int64_t FirstBlockOffset(const FrameList& list) {
  const auto separators = int64_t(list.SeparatorCount());
  const int64_t frames = int64_t(list.Count()) - separators;
  return int64_t(kDefHeaderSize) + int64_t(kGroupEntryHeadSize) * separators +
         int64_t(kFrameIndexEntrySize) * frames;
}

// First pass: encodes every frame and writes its block at its place in the
// output, noting where it starts. Past the offsets' reach the frames are still
// encoded (their faults come first) but no longer written. The frames are
// encoded ahead on the workers; the host hears of each in list order, here.
void EncodeAllFrames(CompileState& state, const FrameSettings& settings, int32_t format,
                     uint64_t frameBytes, const FrameList& list, Progress& progress,
                     ReplacingFileWriter& output) {
  const int64_t firstBlock = FirstBlockOffset(list);
  state.frameOffsets.assign(1, 0);
  output.MoveTo(uint64_t(firstBlock));
  int64_t end = firstBlock;
  // A short list moves the gauge in steps of 2, one of 80 entries or more in
  // steps of 1; a long list leaves the gauge full until the end.
  const int step = list.Count() < 80 ? 2 : 1;
  const size_t total = list.Count() - list.SeparatorCount();
  const unsigned workers = state.workers == 0 ? AvailableCores() : state.workers;
  FrameStream frames(FrameEntries(list), settings, format, workers, frameBytes, state.scratch);
  size_t encoded = 0;
  for (size_t index = 0; index < list.Count(); ++index) {
    progress.Advance(step);
    if (list.IsSeparator(index)) {
      continue;
    }
    progress.StopIfRequested();
    progress.Frames(encoded, total, list.Text(index));
    const EncodedFrame& frame = frames.Next();
    if (frame.width > 0) {
      progress.Read(list.Text(index), frame.width);
    }
    if (frame.failure) {
      std::rethrow_exception(frame.failure);
    }
    RefuseFrameThatIsTheOutput(frame.source, output, list.Text(index));
    const int64_t start = end;
    end += int64_t(frame.block.size());
    if (end <= INT32_MAX) {
      state.frameOffsets.push_back(static_cast<int32_t>(start));
      output.Write(frame.block);
    }
    ++encoded;
  }
  progress.Frames(encoded, total, {});
  if (end > INT32_MAX) {
    ThrowInputError("The DEF would be " + std::to_string(end) +
                    " bytes long; its offsets reach at most 2147483647");
  }
}

// Second pass: one entry per group with its number, frame names and offsets.
std::vector<uint8_t> BuildGroupEntries(const CompileState& state, const FrameDocument& document) {
  std::vector<uint8_t> out;
  size_t frameNumber = 1;
  for (const DefGroup& group : DefGroupsOf(document)) {
    AppendGroupEntryHead(group.number, static_cast<int32_t>(group.names.size()), out);
    for (const FrameName& name : group.names) {
      out.insert(out.end(), name.begin(), name.end());
    }
    for (size_t i = 0; i < group.names.size(); ++i) {
      PutLe32(out, state.frameOffsets[frameNumber++]);
    }
  }
  return out;
}

// The palette check, against the reference palette when one is given.
bool CheckPalettes(const FrameDocument& document, CompileHost& host) {
  const std::string& reference = document.colours.referencePalette;
  if (reference.empty()) {
    return SolidColorCheck(PaletteCheckEntries(document.list), host);
  }
  const BmpPalette palette = BmpPaletteOf(ReadReferencePalette(reference));
  return SolidColorCheck(PaletteCheckEntries(document.list), host, &palette);
}

// Returns the length of the DEF written. The gauge takes the values users
// know from every earlier version, one per stage: 1 the list checked, 5 the
// first frame read, 10 the palette made, 12 the output opened, 15 the header
// written; then a step per list entry; then 10 for the group entries and 10
// for each of the three closing steps (the DEF closed and two scratch files
// removed, in the versions that kept them); last 100, and 0 for the next build.
uint64_t Compile(CompileState& state, FrameDocument& document, Progress& progress) {
  FrameList& list = document.list;
  const WindowSettings& options = document.settings;
  progress.Set(1);
  if (!list.IsSeparator(list.Count() - 1)) {
    AddSeparator(list);
  }
  state.defTypeCode = DefTypeAtPosition(options.formatsIndex);
  state.groupCount = SeparatorRefresh(list);
  RefuseCustomNumbersBeyondTable(state, options);
  // The first group's end is looked for from the second entry on: a list that
  // is a lone separator ends here with the list's index error.
  FindNearSeparator(list, 1);

  progress.Set(5);
  const FrameInfo first = ReadFirstFrame(state, list);
  const ColourMapping colours = ChooseColours(document, first, progress);
  state.rgbPalette = colours.palette;
  progress.Set(10);
  progress.Set(12);
  ReplacingFileWriter output(options.outputName);
  const int32_t format = kFrameFormatByType[size_t(options.typeIndex)];
  FrameSettings settings = ResolveSettings(state, options, format, first);
  settings.colours = colours;

  std::vector<uint8_t> header;
  AppendDefHeader(state, header);
  output.Write(header);
  progress.Set(15);

  EncodeAllFrames(state, settings, format, FrameBytes(first, settings), list, progress, output);
  // The group entries fill the room left for them between header and blocks.
  output.WriteAt(kDefHeaderSize, BuildGroupEntries(state, document));
  progress.Advance(10);
  progress.StopIfRequested();
  output.Commit();
  for (int closingStep = 0; closingStep < 3; ++closingStep) {
    progress.Advance(10);
  }
  progress.Set(100);
  progress.Set(0);
  return output.size();
}

}  // namespace

std::vector<PaletteCheckEntry> PaletteCheckEntries(const FrameList& list) {
  std::vector<PaletteCheckEntry> entries{{list.Text(0), 1}};
  for (size_t i = 1; i < list.Count(); ++i) {
    if (!list.IsSeparator(i)) {
      entries.push_back({list.Text(i), static_cast<int>(i) + 1});
    }
  }
  return entries;
}

CompileOutcome CreateDefFile(CompileState& state, FrameDocument& document, CompileHost& host) {
  using Status = CompileOutcome::Status;
  if (document.list.IsEmpty()) {
    host.ShowMessage(text::kEnterFilesForCompile, text::kCompileCaption);
    return {Status::Stopped, {}, {}};
  }
  if (auto refusal = DocumentOutputRefusal(document.settings)) {
    return {Status::Failed,
            *refusal,
            document.settings.outputName,
            0,
            ErrorKind::Input,
            input_code::kDocumentOutputRefused};
  }
  try {
    const WindowSettings& options = document.settings;
    if (options.checkPalette && CheckPalettes(document, host) &&
        !host.AskOkCancel(text::kContinueQuestion, text::kCompileCaption)) {
      return {Status::Cancelled, {}, {}};
    }
    if (!TypesChosen(options)) {
      return {Status::Stopped, {}, {}};
    }
    Progress progress(host);
    const uint64_t bytes = Compile(state, document, progress);
    return {Status::Written, {}, {}, bytes};
  } catch (const StopRequested&) {
    return {Status::Interrupted, {}, {}};
  } catch (const Error& error) {
    return {Status::Failed, error.what(), error.path(), 0, error.kind(), error.code()};
  } catch (const std::bad_alloc&) {
    return {Status::Failed, "Out of memory", {}, 0, ErrorKind::OutOfMemory};
  }
}

}  // namespace kelvane
