// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/help_file.h"

#include <iconv.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

// One conversion by the C library's iconv, closed on every path.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {}
  ~Converter() {
    if (Opened()) {
      ::iconv_close(handle_);
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Opened() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // The converted text, or none when the input holds a sequence invalid in
  // the source encoding and `replaceInvalid` is off; with it on, each invalid
  // byte becomes "?". With `allowCutEnd`, an incomplete sequence at the very
  // end is dropped.
  std::optional<std::string> Convert(const std::string& input, bool replaceInvalid,
                                     bool allowCutEnd) {
    std::string output;
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
      char* out = buffer.data();
      size_t outLeft = buffer.size();
      const size_t result = ::iconv(handle_, &in, &inLeft, &out, &outLeft);
      const int err = errno;
      output.append(buffer.data(), buffer.size() - outLeft);
      if (result != static_cast<size_t>(-1) || err == E2BIG) {
        continue;
      }
      if (err == EINVAL && allowCutEnd) {
        break;
      }
      if (!replaceInvalid) {
        return std::nullopt;
      }
      output += '?';
      ++in;
      --inLeft;
    }
    return output;
  }

 private:
  iconv_t handle_;
};

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
  if (startDirectory.empty() || startDirectory.back() == '/') {
    return startDirectory + text::kHelpFileName;
  }
  return startDirectory + '/' + text::kHelpFileName;
}

std::optional<HelpFileText> ReadHelpFile(const std::string& startDirectory) {
  const std::string path = HelpFilePath(startDirectory);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
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
  Converter utf8Check("UTF-8", "UTF-8");
  if (utf8Check.Opened()) {
    if (auto utf8 = utf8Check.Convert(bytes, false, cut)) {
      return WithLfLineEnds(*utf8);
    }
  }
  // Windows-1251 leaves only byte 0x98 unassigned; it shows as "?".
  Converter cyrillic("UTF-8", "WINDOWS-1251");
  if (!cyrillic.Opened()) {
    ThrowInputError("Windows-1251 text cannot be decoded on this system");
  }
  return WithLfLineEnds(*cyrillic.Convert(bytes, true, false));
}

}  // namespace kelvane
