// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "base/bmp_frame.h"
#include "base/scratch_folder.h"
#include "bmpgen/bmp_writer.h"
#include "bmpgen/png_writer.h"
#include "compiler/compile_host.h"
#include "framelist/frame_list.h"

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // `name` in the folder, joined as the system joins paths.
  std::string File(const std::string& name) const;
  // The bytes of the file `name` in the folder, or "" when it cannot be read.
  std::string Text(const std::string& name) const;
  // Makes the folder `name` in the folder and returns its path.
  std::string Folder(const std::string& name) const;
  // Writes `image` as a BMP named `name` in the folder and returns its path.
  std::string Bmp(const std::string& name, const bmpgen::Bmp8& image) const;
  // Writes `image` as a PNG named `name` in the folder and returns its path.
  std::string Png(const std::string& name, const bmpgen::Png& image) const;
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  kelvane::ScratchFolder folder_;
  std::string path_;
};

// The names in `folder`, sorted.
std::vector<std::string> NamesIn(const std::string& folder);
std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);
int32_t Le32(const std::vector<uint8_t>& bytes, size_t at);
uint16_t Le16(const std::vector<uint8_t>& bytes, size_t at);
// The fields as consecutive little-endian 32-bit integers.
std::vector<uint8_t> Le32Bytes(std::initializer_list<int32_t> fields);
std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts);

// A list from texts, "/" standing for a separator and a trailing '*' for a
// check mark; and back.
kelvane::FrameList ListOf(const std::vector<std::string>& texts);
std::vector<std::string> Texts(const kelvane::FrameList& list);

// Answers message boxes as a test tells it to, and records everything shown.
class RecordingHost : public kelvane::CompileHost {
 public:
  void SetProgress(int value) override { progress.push_back(value); }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.emplace_back(caption, text);
  }
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    questions.emplace_back(caption, text);
    return answerOk;
  }

  bool answerOk = true;
  std::vector<int> progress;
  std::vector<std::pair<std::string, std::string>> messages;   // caption, text
  std::vector<std::pair<std::string, std::string>> questions;  // caption, text
};

// The text of the Error `body` throws; empty when it throws none.
template <typename Body>
std::string ErrorText(Body body);

// Runs `body` with the process's current folder set to `folder`.
template <typename Body>
void InFolder(const std::string& folder, Body body);

// A 32 x 32 frame whose pixels follow `seed`, so that frames differ.
bmpgen::Bmp8 Tile32(int seed);

// The picture as a working copy holds it in memory, padding bytes included.
kelvane::BmpImage ImageOf(const bmpgen::Bmp8& drawn);

// Fills columns a0..a1 of rows v0..v1, rows counted from the bottom from 0.
void FillFromBottom(bmpgen::Bmp8& frame, int32_t a0, int32_t a1, int32_t v0, int32_t v1,
                    uint8_t index);
// A T of index 100 in a frame `width` x 24: a stem in columns 7-8 from row 1
// to row 15 and a bar in columns 3-12 from row 16 to row 19, from the bottom.
bmpgen::Bmp8 TFigure(int32_t width = 16);
// A 3 x 3 block of index 100 in columns 5-7 and rows 3-5 (from the bottom) of 12 x 10.
bmpgen::Bmp8 Block3x3();

using PixelChanges = std::vector<std::array<int32_t, 3>>;  // column, row from the bottom, index
// Every pixel (padding included) that `pass` changes in the frame's working
// copy, row by row from the bottom.
PixelChanges ChangesBy(const bmpgen::Bmp8& frame,
                       const std::function<void(kelvane::BmpImage&)>& pass);
// Pixels set to `index`: rows from the bottom, each with its columns.
PixelChanges PixelsOf(std::initializer_list<std::pair<int32_t, std::vector<int32_t>>> rows,
                      int32_t index);

}  // namespace testing_support

#include "support/test_support_inl.h"
