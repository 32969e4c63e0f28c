// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <stdexcept>

#include "base/errors.h"

namespace testing_support {

template <typename Body>
std::string ErrorText(Body body) {
  try {
    body();
  } catch (const kelvane::Error& error) {
    return error.what();
  }
  return {};
}

template <typename Body>
void InFolder(const std::string& folder, Body body) {
  char previous[4096];
  if (::getcwd(previous, sizeof previous) == nullptr || ::chdir(folder.c_str()) != 0) {
    throw std::runtime_error("cannot enter " + folder);
  }
  try {
    body();
  } catch (...) {
    (void)::chdir(previous);
    throw;
  }
  (void)::chdir(previous);
}

}  // namespace testing_support
