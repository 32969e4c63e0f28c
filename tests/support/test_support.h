#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/bmp_frame.h"
#include "bmpgen/bmp_writer.h"
#include "compiler/compile_host.h"

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Writes `image` as a BMP named `name` in the folder and returns its path.
  std::string Bmp(const std::string& name, const bmpgen::Bmp8& image) const;
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);
int32_t Le32(const std::vector<uint8_t>& bytes, size_t at);
uint16_t Le16(const std::vector<uint8_t>& bytes, size_t at);

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

// Runs `body` with the process's current folder set to `folder`.
template <typename Body>
void InFolder(const std::string& folder, Body body);

// A 32 x 32 frame whose pixels follow `seed`, so that frames differ.
bmpgen::Bmp8 Tile32(int seed);

// The picture as a working copy holds it in memory, padding bytes included.
kelvane::BmpImage ImageOf(const bmpgen::Bmp8& drawn);

}  // namespace testing_support

#include "support/test_support_inl.h"
