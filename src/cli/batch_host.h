// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "compiler/build_advice.h"
#include "compiler/compile_host.h"

namespace kelvane::cli {

// What the builds of a batch share with the thread that shows it.
struct BatchSignals {
  std::atomic<bool> stop{false};         // every build stops between frames
  std::atomic<size_t> framesEncoded{0};  // of all documents, for the bar
};

// One document's build in a batch, on a thread of its own: its messages go to
// its own stream (shown when it is done), each line starting with `label`;
// questions are answered at once, OK with --yes and Cancel without, as nobody
// can tell which of the builds asks; the bar counts the frames of all.
class BatchHost : public WidthNotingHost {
 public:
  BatchHost(std::ostream& err, std::string label, bool answerYes, BatchSignals& shared)
      : err_(err), label_(std::move(label)), answerYes_(answerYes), shared_(shared) {}

  void SetProgress(int) override {}
  void FrameProgress(size_t encoded, size_t total, const std::string& nextFrame) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  void ShowFrameMessage(const std::string& text, const std::string& caption,
                        const std::string& framePath) override;
  bool AskOkCancel(const std::string& text, const std::string& caption) override;
  bool StopRequested() override { return shared_.stop.load(); }

 private:
  std::ostream& err_;
  std::string label_;
  bool answerYes_;
  BatchSignals& shared_;
  size_t encoded_ = 0;
};

}  // namespace kelvane::cli
