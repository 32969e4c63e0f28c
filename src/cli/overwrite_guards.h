// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/build_request.h"
#include "framelist/frame_document.h"

namespace kelvane::cli {

// Refuses, with an Error, a command whose files would overwrite its own input:
// a DEF written over the --list document it is built from, a --save-list
// document written over the DEF or over one of the frames.
void RefuseOverwrittenInputs(const BuildRequest& request, const FrameDocument& document);

// The folder that a command writes files into: made when nothing has its
// name yet; refused when it is not a folder, when an entry of `outputs`
// (paths in it) is anything but a regular file or a link to one, or, unless
// `force`, when an entry of `outputs` exists already.
void PrepareOutputFolder(const std::string& folder, const std::vector<std::string>& outputs,
                         bool force);

// True when `path` names the file this process's standard output goes to
// (as "/dev/stdout" does).
bool IsStandardOutput(const std::string& path);

}  // namespace kelvane::cli
