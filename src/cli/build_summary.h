// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "compiler/def_groups.h"
#include "framelist/frame_list.h"

namespace kelvane::cli {

// What a build wrote, for scripts, as one JSON object on one line: the path, the size in
// bytes, and the groups in DEF order with their numbers and their frames' names
// and BMPs. Frame names are byte strings: a byte above 127 (the $CD filler)
// is written as the character of that code. In a batch, `document` names the
// DefList the DEF was built from, first.
void WriteJsonSummary(std::ostream& out, const std::string& path,
                      const std::vector<DefGroup>& groups, const FrameList& list, uint64_t bytes,
                      const std::string* document = nullptr);

// The same object for a document of a batch whose DEF was not written: the
// document, the output and what stopped it.
void WriteJsonFailure(std::ostream& out, const std::string& document, const std::string& path,
                      const std::string& error);

}  // namespace kelvane::cli
