// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_summary.h"

#include "cli/json_text.h"

#include <cstdio>
#include <ostream>

namespace kelvane::cli {

namespace {

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

void WriteJsonSummary(std::ostream& out, const std::string& path,
                      const std::vector<DefGroup>& groups, const FrameList& list, uint64_t bytes,
                      const std::string* document) {
  out << "{";
  if (document) {
    out << "\"list\":" << JsonString(*document) << ",";
  }
  out << "\"path\":" << JsonString(path) << ",\"bytes\":" << bytes << ",\"groups\":[";
  for (size_t g = 0; g < groups.size(); ++g) {
    out << (g ? "," : "") << "{\"number\":" << groups[g].number << ",\"frames\":[";
    for (size_t f = 0; f < groups[g].names.size(); ++f) {
      out << (f ? "," : "") << "{\"name\":" << JsonString(NameText(groups[g].names[f]), true)
          << ",\"bmp\":" << JsonString(list.Text(groups[g].entries[f])) << "}";
    }
    out << "]}";
  }
  out << "]}\n";
}

void WriteJsonFailure(std::ostream& out, const std::string& document, const std::string& path,
                      const std::string& error) {
  out << "{\"list\":" << JsonString(document) << ",\"path\":" << JsonString(path)
      << ",\"error\":" << JsonString(error) << "}\n";
}

}  // namespace kelvane::cli
