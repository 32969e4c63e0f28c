// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compiler/build_advice.h"

namespace kelvane::ui {

// The core's warnings and hints in the window's words: its controls by their
// captions.
AdviceTerms WindowAdviceTerms();

}  // namespace kelvane::ui
