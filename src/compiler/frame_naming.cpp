// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/frame_naming.h"

#include <algorithm>

#include "base/def_layout.h"

namespace kelvane {

namespace {
constexpr char kFiller = static_cast<char>(kNameFiller);
}

std::string FileNamePart(const std::string& path) {
  const auto cut = path.find_last_of("/\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

FrameName MakeFrameName(const std::string& path, const std::string& mask) {
  const std::string file = FileNamePart(path);
  std::string s = file;
  if (!mask.empty()) {
    // The two characters before a three-letter extension: the frame number in "runner10.bmp".
    const size_t from = file.size() > 6 ? file.size() - 6 : 0;
    s = mask + file.substr(std::min(from, file.size()), 2);
  }
  if (s.size() == 10) {
    s.insert(0, 2, kFiller);
  }
  if (s.size() == 9) {
    s.insert(0, 3, kFiller);
  }
  if (s.size() == 11) {
    s.insert(0, 1, kFiller);
  }
  const std::string name = s.substr(0, 8) + ".pcx";
  FrameName bytes{};
  std::copy(name.begin(), name.end(), bytes.begin());
  return bytes;
}

}  // namespace kelvane
