// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/path_parts.h"
#include "base/system_files.h"
#include "support/child_process.h"

namespace testing_support {

TempDir::TempDir() : folder_("kelvane-test-"), path_(folder_.path()) {
  if (path_.empty()) {
    throw std::runtime_error("cannot make a temporary folder");
  }
}

std::string TempDir::Bmp(const std::string& name, const bmpgen::Bmp8& image) const {
  const std::string path = File(name);
  bmpgen::WriteBmp8(path, image);
  return path;
}

std::string TempDir::Png(const std::string& name, const bmpgen::Png& image) const {
  const std::string path = File(name);
  bmpgen::WritePng(path, image);
  return path;
}

std::string TempDir::File(const std::string& name) const {
  return kelvane::JoinPath(path_, name);
}

std::string TempDir::Text(const std::string& name) const {
  std::ifstream file(std::filesystem::u8path(File(name)), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string TempDir::Folder(const std::string& name) const {
  const std::string path = File(name);
  if (!kelvane::MakeFolder(path)) {
    throw std::runtime_error("cannot make the folder " + path);
  }
  return path;
}

std::vector<std::string> TempDir::Names() const {
  return NamesIn(path_);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names = kelvane::FolderEntryNames(folder + "/");
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  if (!file) {
    throw std::runtime_error("cannot read " + path);
  }
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool FileExists(const std::string& path) {
  return kelvane::FactsOfPath(path).has_value();
}

bool HasPartFile(const std::string& folder) {
  for (const std::string& name : kelvane::FolderEntryNames(folder + "/")) {
    if (name.size() > 5 && name.compare(name.size() - 5, 5, ".part") == 0) {
      return true;
    }
  }
  return false;
}

int32_t Le32(const std::vector<uint8_t>& bytes, size_t at) {
  return int32_t(uint32_t(bytes.at(at)) | uint32_t(bytes.at(at + 1)) << 8 |
                 uint32_t(bytes.at(at + 2)) << 16 | uint32_t(bytes.at(at + 3)) << 24);
}

uint16_t Le16(const std::vector<uint8_t>& bytes, size_t at) {
  return uint16_t(bytes.at(at) | bytes.at(at + 1) << 8);
}

std::vector<uint8_t> Le32Bytes(std::initializer_list<int32_t> fields) {
  std::vector<uint8_t> out;
  for (const int32_t field : fields) {
    for (int shift = 0; shift < 32; shift += 8) {
      out.push_back(uint8_t(uint32_t(field) >> shift));
    }
  }
  return out;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

kelvane::FrameList ListOf(const std::vector<std::string>& texts) {
  kelvane::FrameList list;
  for (const auto& text : texts) {
    const bool checked = !text.empty() && text.back() == '*';
    const std::string entry = checked ? text.substr(0, text.size() - 1) : text;
    list.Append(entry == "/" ? kelvane::kGroupSeparator : entry, checked);
  }
  return list;
}

std::vector<std::string> Texts(const kelvane::FrameList& list) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < list.Count(); ++i) {
    texts.push_back((list.IsSeparator(i) ? "/" : list.Text(i)) + (list.Checked(i) ? "*" : ""));
  }
  return texts;
}

bmpgen::Bmp8 Tile32(int seed) {
  bmpgen::Bmp8 tile(32, 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      tile.At(x, y) = uint8_t((x * 7 + y * 13 + seed * 31) & 0xFF);
    }
  }
  return tile;
}

kelvane::BmpImage ImageOf(const bmpgen::Bmp8& drawn) {
  kelvane::BmpImage image;
  image.width = drawn.width;
  image.height = drawn.height;
  image.stride = kelvane::RowStride(drawn.width);
  image.header.biWidth = drawn.width;
  image.header.biHeight = drawn.height;
  image.pixels.assign(size_t(image.stride) * size_t(image.height), drawn.padding);
  for (int32_t y = 0; y < drawn.height; ++y) {
    for (int32_t x = 0; x < drawn.width; ++x) {
      image.RowFromTop(y)[x] = drawn.At(x, y);
    }
  }
  return image;
}

void FillFromBottom(bmpgen::Bmp8& frame, int32_t a0, int32_t a1, int32_t v0, int32_t v1,
                    uint8_t index) {
  frame.FillRect(a0, frame.height - 1 - v1, a1, frame.height - 1 - v0, index);
}

bmpgen::Bmp8 TFigure(int32_t width) {
  bmpgen::Bmp8 t(width, 24);
  FillFromBottom(t, 7, 8, 1, 15, 100);
  FillFromBottom(t, 3, 12, 16, 19, 100);
  return t;
}

bmpgen::Bmp8 Block3x3() {
  bmpgen::Bmp8 block(12, 10);
  FillFromBottom(block, 5, 7, 3, 5, 100);
  return block;
}

PixelChanges ChangesBy(const bmpgen::Bmp8& frame,
                       const std::function<void(kelvane::BmpImage&)>& pass) {
  const kelvane::BmpImage before = ImageOf(frame);
  kelvane::BmpImage after = before;
  pass(after);
  PixelChanges changes;
  for (int32_t v = 0; v < before.height; ++v) {
    for (int32_t a = 0; a < int32_t(before.stride); ++a) {
      const uint8_t now = after.RowFromBottom(v)[a];
      if (before.RowFromBottom(v)[a] != now) {
        changes.push_back({a, v, now});
      }
    }
  }
  return changes;
}

PixelChanges PixelsOf(std::initializer_list<std::pair<int32_t, std::vector<int32_t>>> rows,
                      int32_t index) {
  PixelChanges pixels;
  for (const auto& [v, columns] : rows) {
    for (const int32_t a : columns) {
      pixels.push_back({a, v, index});
    }
  }
  return pixels;
}

}  // namespace testing_support
