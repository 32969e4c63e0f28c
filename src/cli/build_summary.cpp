#include "cli/build_summary.h"

#include <cstdio>
#include <ostream>

namespace kelvane::cli {

namespace {

std::string WithThousands(uint64_t value) {
  std::string digits = std::to_string(value);
  for (size_t at = digits.size(); at > 3; at -= 3) {
    digits.insert(at - 3, ",");
  }
  return digits;
}

std::string Counted(size_t count, const std::string& what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// A JSON string. Bytes above 127 pass as they are (paths are taken to be
// UTF-8) unless `latin1`, when each becomes the character of its code.
std::string JsonString(const std::string& text, bool latin1) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || (latin1 && byte > 0x7F)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string NameText(const FrameName& name) {
  std::string text;
  for (const uint8_t byte : name) {
    if (byte == 0) {
      break;
    }
    text += char(byte);
  }
  return text;
}

}  // namespace

std::string SuccessLine(const std::string& path, const std::vector<DefGroup>& groups,
                        uint64_t bytes) {
  size_t frames = 0;
  for (const DefGroup& group : groups) {
    frames += group.names.size();
  }
  return "wrote " + path + ": " + Counted(frames, "frame") + " in " +
         Counted(groups.size(), "group") + ", " + WithThousands(bytes) + " bytes";
}

void WriteJsonSummary(std::ostream& out, const std::string& path,
                      const std::vector<DefGroup>& groups, const FrameList& list, uint64_t bytes) {
  out << "{\"path\":" << JsonString(path, false) << ",\"bytes\":" << bytes << ",\"groups\":[";
  for (size_t g = 0; g < groups.size(); ++g) {
    out << (g ? "," : "") << "{\"number\":" << groups[g].number << ",\"frames\":[";
    for (size_t f = 0; f < groups[g].names.size(); ++f) {
      out << (f ? "," : "") << "{\"name\":" << JsonString(NameText(groups[g].names[f]), true)
          << ",\"bmp\":" << JsonString(list.Text(groups[g].entries[f]), false) << "}";
    }
    out << "]}";
  }
  out << "]}\n";
}

}  // namespace kelvane::cli
