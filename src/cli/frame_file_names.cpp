// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/frame_file_names.h"

#include <algorithm>
#include <cstring>

#include "compiler/frame_naming.h"

namespace kelvane::cli {

namespace {

constexpr size_t kStemLength = 8;
const std::string kNameEnd = ".pcx";

bool SafeChar(char c) {
  return c > 0x20 && c < 0x7F && std::strchr("/\\:*?\"<>|", c) == nullptr;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SafeFileName(const std::string& name) {
  return !name.empty() && name[0] != '.' && name.back() != '+' &&
         std::all_of(name.begin(), name.end(), SafeChar) && !IsReservedDeviceName(name);
}

std::string Numbered(const std::string& stem, int variant) {
  return variant > 0 ? stem + "-" + std::to_string(variant + 1) : stem;
}

}  // namespace

bool IsReservedDeviceName(const std::string& fileName) {
  std::string stem = FileNameKey(fileName.substr(0, fileName.find('.')));
  static const char* const kDevices[] = {"con", "prn", "aux", "nul"};
  if (std::any_of(std::begin(kDevices), std::end(kDevices),
                  [&stem](const char* device) { return stem == device; })) {
    return true;
  }
  return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

std::string FileNameKey(const std::string& fileName) {
  std::string key = fileName;
  std::transform(key.begin(), key.end(), key.begin(), Lower);
  return key;
}

// The builder keeps the first eight characters of the file name (after
// putting a $CD filler in front of names of 9 to 11 characters, up to 12)
// and appends ".pcx"; a file name shorter than eight characters stays whole.
std::optional<std::string> FileNameGivingName(const DefFrameName& name, int variant) {
  const std::string text = NameText(name);
  if (text.size() < kNameEnd.size() || text.compare(text.size() - 4, 4, kNameEnd) != 0) {
    return std::nullopt;
  }
  std::string stem = text.substr(0, text.size() - kNameEnd.size());
  std::string file;
  if (stem.size() < kStemLength) {
    if (variant > 0) {
      return std::nullopt;
    }
    file = stem;
  } else {
    size_t fillers = 0;
    while (fillers < 3 && uint8_t(stem[fillers]) == kNameFiller) {
      ++fillers;
    }
    if (fillers > 0 && variant > 0) {
      return std::nullopt;
    }
    file = Numbered(stem.substr(fillers), variant) + ".bmp";
  }
  if (!SafeFileName(file) || MakeFrameName(file, "") != name) {
    return std::nullopt;
  }
  return file;
}

std::string FallbackFileName(const DefFrameName& name, int variant) {
  std::string stem = NameText(name);
  if (stem.size() >= kNameEnd.size() && stem.compare(stem.size() - 4, 4, kNameEnd) == 0) {
    stem.resize(stem.size() - kNameEnd.size());
  }
  stem.erase(std::remove_if(stem.begin(), stem.end(), [](char c) { return !SafeChar(c); }),
             stem.end());
  stem.erase(0, stem.find_first_not_of('.'));
  if (stem.empty()) {
    stem = "frame";
  }
  if (IsReservedDeviceName(stem)) {
    stem.insert(std::min(stem.find('.'), stem.size()), "_");  // "con_", "nul_.txt"
  }
  return Numbered(stem, variant) + ".bmp";
}

}  // namespace kelvane::cli
