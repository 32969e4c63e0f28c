// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/help_file.h"

#include <algorithm>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"
#include "base/text_encodings.h"
#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

std::string WithLfLineEnds(const std::string& text) {
  std::string lf;
  lf.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lf += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lf += '\n';
    }
  }
  return lf;
}

}  // namespace

std::string HelpFilePath(const std::string& startDirectory) {
  return JoinPath(startDirectory, text::kHelpFileName);
}

std::optional<HelpFileText> ReadHelpFile(const std::string& startDirectory) {
  const std::string path = HelpFilePath(startDirectory);
  if (NothingNamed(path)) {
    return std::nullopt;
  }
  const InputFile file(path);
  HelpFileText help;
  help.cut = file.size() > kHelpFileReadCap;
  std::string bytes(static_cast<size_t>(std::min<uint64_t>(file.size(), kHelpFileReadCap)), '\0');
  file.ReadAt(0, bytes.data(), bytes.size());
  help.utf8 = DecodeHelpText(bytes, help.cut);
  help.wrap = LinesFitWrapping(help.utf8);
  return help;
}

bool LinesFitWrapping(const std::string& text) {
  size_t lineStart = 0;
  while (lineStart <= text.size()) {
    const size_t end = std::min(text.find('\n', lineStart), text.size());
    if (end - lineStart > kHelpWrapLimit) {
      return false;
    }
    lineStart = end + 1;
  }
  return true;
}

std::string DecodeHelpText(const std::string& bytes, bool cut) {
  if (const auto utf8 = ValidUtf8Length(bytes, cut)) {
    return WithLfLineEnds(bytes.substr(0, *utf8));
  }
  return WithLfLineEnds(Windows1251ToUtf8(bytes));
}

}  // namespace kelvane
