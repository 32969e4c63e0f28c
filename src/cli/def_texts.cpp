#include "cli/def_texts.h"

#include "base/errors.h"

namespace kelvane::cli {

std::string HexName(const DefFrameName& name) {
  std::string out;
  for (const uint8_t byte : name) {
    out += HexByte(byte);
  }
  return out;
}

}  // namespace kelvane::cli

namespace kelvane::cli {

std::string ErrorLine(const Error& error) {
  std::string line = std::string("kelvane-cli: ") + error.what();
  if (!error.path().empty() && line.find(error.path()) == std::string::npos) {
    line += " (" + error.path() + ")";
  }
  return line + "\n";
}

}  // namespace kelvane::cli
