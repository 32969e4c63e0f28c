// SPDX-License-Identifier: GPL-3.0-or-later
// Hints after a failed build, where the cause is plain from the files, and the
// line that tells what a build wrote.

#include <optional>

#include "base/binary_file.h"
#include "base/bmp_frame.h"
#include "base/checked_size.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"
#include "compiler/advice_words.h"
#include "compiler/build_advice.h"
#include "framelist/document_output.h"

namespace kelvane {

namespace {

using advice::Fill;
using advice::Quoted;

bool StartsWithBmpSignature(const std::string& path) {
  try {
    const InputFile file(path);
    if (file.size() < 2) {
      return false;
    }
    char signature[2] = {};
    file.ReadAt(0, signature, 2);
    return signature[0] == 'B' && signature[1] == 'M';
  } catch (const Error&) {
    return false;
  }
}

std::optional<std::string> OutputHint(const std::string& output, const std::string& path,
                                      const AdviceTerms& terms) {
  if (path != output) {
    return std::nullopt;
  }
  if (IsFolder(output)) {
    return Fill(terms.outputNamed, output) + " is a folder: name the DEF file in it, e.g. " +
           JoinPath(output, "out.def");
  }
  const std::string folder = SplitPath(output).folder;
  if (!folder.empty() && !IsFolder(folder)) {
    return "the folder " + Quoted(folder) + " does not exist: create it, or " + terms.chooseOutput;
  }
  return std::nullopt;
}

bool IsIo(const Error& failure, int code) {
  return failure.kind() == ErrorKind::Io && failure.code() == code;
}

std::optional<std::string> ListHint(const FrameList& list, const Error& failure,
                                    const AdviceTerms& terms) {
  const bool separatorRead =
      failure.path() == kGroupSeparator || failure.kind() == ErrorKind::ListIndex;
  if (list.IsEmpty() || !list.IsSeparator(0) || !separatorRead) {
    return std::nullopt;
  }
  if (list.SeparatorCount() == list.Count()) {
    return "the list holds " + terms.separators + " only: put BMP frames before each " +
           terms.separator;
  }
  return "the list starts with " + terms.aSeparator +
         ": the first entry must be a BMP frame, whose size and palette the DEF takes";
}

std::optional<std::string> DocumentHint(const FrameList& list, const std::string& documentPath,
                                        const Error& failure, const AdviceTerms& terms) {
  if (documentPath.empty()) {
    return std::nullopt;
  }
  const std::string& path = failure.path();
  if (path == documentPath && failure.kind() == ErrorKind::Input &&
      failure.code() == input_code::kDocumentOutputRefused) {
    return terms.outputOutsideDocument;
  }
  if (path == documentPath && IsIo(failure, io_code::kInvalidNumericInput)) {
    if (StartsWithBmpSignature(documentPath)) {
      return Quoted(documentPath) + " is a BMP frame, not a DefList: " + terms.addFrame;
    }
    return Quoted(documentPath) +
           " is not a DefList with settings lines (its first lines must be numbers); " +
           terms.readWithoutSettings;
  }
  if (path.empty() && IsIo(failure, io_code::kInvalidFilename)) {
    for (size_t i = 0; i < list.Count(); ++i) {
      if (!list.IsSeparator(i) && !list.Text(i).empty()) {
        return Quoted(documentPath) + " has an empty list line, read as a frame without a name";
      }
    }
    return Quoted(documentPath) + " lists no frames: is it empty?";
  }
  return std::nullopt;
}

// A frame that is a folder, or a file too short to be a BMP.
std::optional<std::string> FrameFileHint(const Error& failure) {
  const std::string& path = failure.path();
  if (path.empty()) {
    return std::nullopt;
  }
  if (IsFolder(path)) {
    return Quoted(path) + " is a folder, not a BMP frame: give the BMP files in it";
  }
  const auto facts = FactsOfPath(path);
  const uint64_t size = facts ? facts->size : 0;
  if (facts && IsIo(failure, io_code::kReadBeyondEnd) && size < kBmpColourTableOffset) {
    return Quoted(path) + " is " + std::to_string(size) + " bytes long, shorter than the " +
           std::to_string(kBmpColourTableOffset) + " bytes of a BMP's headers: it is no BMP frame";
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> FailureHints(const FrameDocument& document, const Error& failure,
                                      const AdviceTerms& terms, const std::string& documentPath) {
  std::vector<std::string> hints;
  const std::string& output = document.settings.outputName;
  const std::string& path = failure.path();
  for (auto hint : {OutputHint(output, path, terms), ListHint(document.list, failure, terms),
                    DocumentHint(document.list, documentPath, failure, terms)}) {
    if (hint) {
      hints.push_back(*hint);
    }
  }
  if (hints.empty() && path != output && path != documentPath && !IsGroupSeparator(path)) {
    if (auto hint = FrameFileHint(failure)) {
      hints.push_back(*hint);
    }
  }
  return hints;
}

std::string WrittenLine(const std::string& path, const std::vector<DefGroup>& groups,
                        uint64_t bytes) {
  size_t frames = 0;
  for (const DefGroup& group : groups) {
    frames += group.names.size();
  }
  return "wrote " + path + ": " + CountText(frames, "frame") + " in " +
         CountText(groups.size(), "group") + ", " + SizeText(bytes) + " bytes";
}

}  // namespace kelvane
