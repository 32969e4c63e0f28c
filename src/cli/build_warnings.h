// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "base/errors.h"
#include "cli/build_request.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

// What the command asks for that the build will not do, said before it runs:
// options the chosen Type ignores, an outline with no checked frame, check
// marks on separators, frames that get the same name in the DEF, check marks a
// saved document cannot keep, and map object widths. Never a failure.
std::vector<std::string> BuildWarnings(const BuildRequest& request, const FrameDocument& document);

// The hints that may follow `failure` when the cause is plain from the command: a missing output
// folder, a folder given as a frame, a list that starts with a separator, a file that is not a
// DefList, an empty document.
std::vector<std::string> FailureHints(const BuildRequest& request, const FrameDocument& document,
                                      const Error& failure);

}  // namespace kelvane::cli
