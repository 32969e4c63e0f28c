// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_host.h"

#include <ostream>

#include "cli/printable_text.h"

namespace kelvane::cli {

void BatchHost::FrameProgress(size_t encoded, size_t total, const std::string& nextFrame) {
  (void)total;
  (void)nextFrame;
  shared_.framesEncoded += encoded - encoded_;
  encoded_ = encoded;
}

void BatchHost::ShowMessage(const std::string& text, const std::string& caption) {
  err_ << label_ << OneLineText(caption + ": " + text) << "\n";
}

void BatchHost::ShowFrameMessage(const std::string& text, const std::string& caption,
                                 const std::string& framePath) {
  ShowMessage(text + " (" + framePath + ")", caption);
}

bool BatchHost::AskOkCancel(const std::string& text, const std::string& caption) {
  err_ << label_ << OneLineText(caption + ": " + text)
       << (answerYes_ ? " OK (--yes)" : " Cancel (no --yes)") << "\n";
  return answerYes_;
}

}  // namespace kelvane::cli
