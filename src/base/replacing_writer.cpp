// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/replacing_writer.h"

#include <algorithm>

#include "base/errors.h"
#include "base/part_files.h"
#include "base/path_parts.h"

namespace kelvane {

namespace {

[[noreturn]] void ThrowInPlaceFailure(const SystemFile::Failure& failure, const std::string& path,
                                      size_t total) {
  ThrowInputError("Writing into \"" + path + "\" in place stopped after " +
                      std::to_string(failure.written) + " of " + std::to_string(total) +
                      " bytes: " + failure.reason,
                  path);
}

}  // namespace

ReplacingFileWriter::ReplacingFileWriter(const std::string& targetPath) : target_(targetPath) {
  if (!IsUsableFileName(target_) || IsPathSeparator(target_.back())) {
    ThrowIoError(io_code::kInvalidFilename, target_);
  }
  if (const auto facts = FactsOfPath(target_)) {
    if (facts->kind == FileKind::Folder) {
      ThrowIoError(io_code::kAccessDenied, target_);
    }
    replaces_ = facts->identity;
    if (OpenInPlace(*facts)) {
      return;
    }
    // Replacing by rename would bypass the target's own permissions: refuse what
    // could not be overwritten in place.
    if (!CanOverwrite(target_)) {
      ThrowIoError(io_code::kAccessDenied, target_);
    }
  }
  OpenTemporary();
}

bool ReplacingFileWriter::OpenInPlace(const FileFacts& target) {
  // "/dev/stdout" and its kind name an open stream: renaming over them would
  // replace a system link, so the bytes go into the stream itself.
  auto stream = target.identity && IsSymbolicLink(target_)
                    ? SystemFile::StandardStreamAt(*target.identity)
                    : std::nullopt;
  if (stream) {
    file_ = std::move(*stream);
  } else if (target.kind != FileKind::Regular) {
    file_ = SystemFile::OpenSpecialForWriting(target_);
  } else {
    return false;
  }
  inPlace_ = true;
  return true;
}

void ReplacingFileWriter::OpenTemporary() {
  const auto [folder, name] = SplitPath(target_);
  for (unsigned attempt = 0;; ++attempt) {
    std::string candidate = PartFilePath(folder, name, CurrentProcessId(), attempt);
    if (auto created = SystemFile::CreateNew(candidate, target_)) {
      file_ = std::move(*created);
      temp_ = std::move(candidate);
      return;
    }
    if (attempt == kLastPartAttempt) {
      ThrowIoError(io_code::kAccessDenied, target_);
    }
  }
}

ReplacingFileWriter::~ReplacingFileWriter() {
  if (!committed_) {
    Discard();
  }
}

void ReplacingFileWriter::Write(const void* bytes, size_t count) {
  if (inPlace_ || count >= kGatheredBelow) {
    WriteAt(position_, bytes, count);
    position_ += count;
    return;
  }
  if (!gathered_.empty() && gatheredAt_ + gathered_.size() != position_) {
    WriteGathered();
  }
  if (gathered_.empty()) {
    gatheredAt_ = position_;
  }
  const auto* in = static_cast<const uint8_t*>(bytes);
  gathered_.insert(gathered_.end(), in, in + count);
  position_ += count;
  size_ = std::max(size_, position_);
  if (gathered_.size() >= kGatheredUpTo) {
    WriteGathered();
  }
}

void ReplacingFileWriter::WriteAt(uint64_t offset, const void* bytes, size_t count) {
  WriteGathered();  // what was gathered comes first, as it was written first
  const auto* in = static_cast<const uint8_t*>(bytes);
  size_ = std::max(size_, offset + count);
  if (inPlace_) {
    held_.resize(size_);
    std::copy(in, in + count, held_.begin() + long(offset));
    return;
  }
  WriteToFile(offset, bytes, count);
}

void ReplacingFileWriter::WriteToFile(uint64_t offset, const void* bytes, size_t count) {
  file_.WriteAt(offset, bytes, count, target_);
  if (size_ - writtenOutTo_ >= kWriteOutEvery) {
    file_.StartWritingOut(writtenOutTo_, size_ - writtenOutTo_);
    writtenOutTo_ = size_;
  }
}

void ReplacingFileWriter::WriteGathered() {
  if (!gathered_.empty()) {
    WriteToFile(gatheredAt_, gathered_.data(), gathered_.size());
    gathered_.clear();
  }
}

void ReplacingFileWriter::Commit() {
  WriteGathered();
  if (inPlace_) {
    if (const auto failure = file_.WriteAllAndClose(held_.data(), held_.size())) {
      ThrowInPlaceFailure(*failure, target_, held_.size());
    }
  } else {
    file_.MoveIntoPlace(temp_, target_);
  }
  committed_ = true;
}

void ReplacingFileWriter::Discard() {
  file_.Close();
  if (!temp_.empty()) {
    RemovePlainFile(temp_);
  }
}

}  // namespace kelvane
