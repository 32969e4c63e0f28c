// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/palette_file.h"

#include <cctype>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/frame_file.h"
#include "base/int_text.h"
#include "base/replacing_writer.h"

namespace kelvane {

namespace {

constexpr size_t kColours = 256;
// A palette of 256 lines takes a few KiB even with a long name on each line.
constexpr uint64_t kLargestPaletteText = uint64_t{1} << 20;
const char kJascMagic[] = "JASC-PAL";
const char kGimpMagic[] = "GIMP Palette";

[[noreturn]] void Refuse(const std::string& path, const std::string& what) {
  ThrowInputError("\"" + path + "\" is not a palette of 256 colours: " + what, path);
}

bool StartsWith(const std::string& text, const char* start) {
  return text.compare(0, std::char_traits<char>::length(start), start) == 0;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (const char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else if (c != '\r') {
      lines.back() += c;
    }
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) {
      ++at;
    }
    const size_t start = at;
    while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at]))) {
      ++at;
    }
    if (at > start) {
      words.push_back(line.substr(start, at - start));
    }
  }
  return words;
}

// Red, green and blue from the first three words of a colour line.
void AddColour(const std::vector<std::string>& words, size_t lineNumber, const std::string& path,
               std::vector<uint8_t>& colours) {
  for (size_t i = 0; i < 3; ++i) {
    const auto value = i < words.size() ? TryParseInt(words[i]) : std::nullopt;
    if (!value || *value < 0 || *value > 255) {
      Refuse(path,
             "line " + std::to_string(lineNumber) + " is not a colour of three numbers 0 to 255");
    }
    colours.push_back(uint8_t(*value));
  }
}

RgbPalette CheckedCount(const std::vector<uint8_t>& colours, const std::string& path) {
  if (colours.size() != 3 * kColours) {
    Refuse(path, "it holds " + std::to_string(colours.size() / 3) + " colours");
  }
  RgbPalette palette{};
  std::copy(colours.begin(), colours.end(), palette.begin());
  return palette;
}

// JASC-PAL: the magic, a version line, the count, one colour per line.
RgbPalette ParseJasc(const std::vector<std::string>& lines, const std::string& path) {
  const auto count = lines.size() > 2 ? TryParseInt(lines[2]) : std::nullopt;
  if (!count || *count != int32_t(kColours)) {
    Refuse(path, "its count line says " + (lines.size() > 2 ? "'" + lines[2] + "'" : "nothing"));
  }
  std::vector<uint8_t> colours;
  for (size_t i = 3; i < lines.size(); ++i) {
    const auto words = Words(lines[i]);
    if (!words.empty()) {
      if (colours.size() == 3 * kColours) {
        Refuse(path, "it holds more colours than its count");
      }
      AddColour(words, i + 1, path, colours);
    }
  }
  return CheckedCount(colours, path);
}

// GIMP: the magic, "Name:" and "Columns:" lines and comments, then one colour
// per line, each maybe followed by its name.
RgbPalette ParseGimp(const std::vector<std::string>& lines, const std::string& path) {
  std::vector<uint8_t> colours;
  for (size_t i = 1; i < lines.size(); ++i) {
    const auto words = Words(lines[i]);
    if (words.empty() || words[0][0] == '#' || StartsWith(words[0], "Name:") ||
        StartsWith(words[0], "Columns:")) {
      continue;
    }
    if (colours.size() == 3 * kColours) {
      Refuse(path, "it holds more than 256 colours");
    }
    AddColour(words, i + 1, path, colours);
  }
  return CheckedCount(colours, path);
}

RgbPalette PaletteOfPicture(const std::string& path) {
  const FrameInfo info = ReadFrameInfo(path);
  if (info.colours != FrameColours::Indexed) {
    Refuse(path, "it is a true-colour picture, which has no palette");
  }
  if (info.paletteEntries != kColours) {
    Refuse(path, "its colour table has " + std::to_string(info.paletteEntries) + " entries");
  }
  return BuildRgbPalette(info.palette);
}

}  // namespace

RgbPalette ParsePaletteText(const std::string& text, const std::string& path) {
  const std::vector<std::string> lines = Lines(text);
  if (StartsWith(lines[0], kJascMagic)) {
    return ParseJasc(lines, path);
  }
  if (StartsWith(lines[0], kGimpMagic)) {
    return ParseGimp(lines, path);
  }
  Refuse(path, "it is neither a JASC-PAL nor a GIMP palette, a BMP nor a PNG");
}

RgbPalette ReadReferencePalette(const std::string& path) {
  {
    const InputFile file(path);
    char start[sizeof kGimpMagic] = {};
    file.ReadAt(0, start, size_t(std::min<uint64_t>(file.size(), sizeof start - 1)));
    if (!StartsWith(start, kJascMagic) && !StartsWith(start, kGimpMagic)) {
      return PaletteOfPicture(path);
    }
  }
  std::string text;
  ReadWholeFile(path, text, kLargestPaletteText);
  return ParsePaletteText(text, path);
}

std::string PaletteFileText(const std::string& path, const RgbPalette& palette) {
  const bool gimp = path.size() >= 4 && path.compare(path.size() - 4, 4, ".gpl") == 0;
  const char* lineEnd = gimp ? "\n" : "\r\n";
  std::string text = gimp
                         ? std::string(kGimpMagic) + "\nName: Kelvane DEF palette\nColumns: 16\n#\n"
                         : std::string(kJascMagic) + "\r\n0100\r\n256\r\n";
  for (size_t i = 0; i < kColours; ++i) {
    text += std::to_string(palette[3 * i]) + " " + std::to_string(palette[3 * i + 1]) + " " +
            std::to_string(palette[3 * i + 2]) + lineEnd;
  }
  return text;
}

void WritePaletteFile(const std::string& path, const RgbPalette& palette) {
  const std::string text = PaletteFileText(path, palette);
  ReplacingFileWriter file(path);
  file.Write(text.data(), text.size());
  file.Commit();
}

}  // namespace kelvane
