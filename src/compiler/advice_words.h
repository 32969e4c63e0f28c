// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvane::advice {

// A term of AdviceTerms with its "{}" replaced by `value`.
inline std::string Fill(const std::string& term, const std::string& value) {
  std::string text = term;
  const size_t at = text.find("{}");
  return at == std::string::npos ? text : text.replace(at, 2, value);
}

// A path as advice quotes it.
inline std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

}  // namespace kelvane::advice
