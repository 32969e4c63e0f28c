// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "base/errors.h"
#include "compiler/compile_host.h"
#include "compiler/compile_state.h"
#include "framelist/frame_document.h"
#include "prepare/palette_check.h"

namespace kelvane {

struct CompileOutcome {
  enum class Status {
    Written,      // the DEF is complete at the output path
    Stopped,      // nothing to do: empty list (after its message) or no type chosen
    Cancelled,    // the user answered Cancel after the palette check
    Failed,       // an error ended the compilation; `message` holds its text
    Interrupted,  // the host asked to stop; nothing was written
  };
  Status status = Status::Stopped;
  std::string message;
  std::string path;    // the file the error concerns, when there is one
  uint64_t bytes = 0;  // Written: the DEF's length
  // Failed: what kind of error it was, and its code, for advice to tell apart.
  ErrorKind kind = ErrorKind::Input;
  int code = 0;

  // Failed: the error, as it was thrown.
  Error Failure() const { return Error(kind, code, message, path); }
};

// The entries the palette check compares: the first entry, the reference, read
// even when it is a separator, then every frame entry after it.
std::vector<PaletteCheckEntry> PaletteCheckEntries(const FrameList& list);

// "Create Def File": turns the document's frame list into a DEF file at its
// settings' output name. Appends a separator to the list when it does not end
// with one. A failure leaves any earlier file at the output path untouched.
CompileOutcome CreateDefFile(CompileState& state, FrameDocument& document, CompileHost& host);

}  // namespace kelvane
