// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "compiler/build_advice.h"
#include "compiler/compile_driver.h"
#include "framelist/frame_document.h"

namespace kelvane::ui {

class UserDialogs;

// What a build ended with, and what the window shows of it.
struct BuildResult {
  CompileOutcome outcome;
  FrameDocument job;                  // the document as built, a separator appended maybe
  std::vector<std::string> warnings;  // told before the build ran
  std::vector<std::string> hints;     // after a failure whose cause is plain
  bool hadOutput = false;             // a file was at the output path before
};

// Runs one build at a time off the GUI thread, so that the window repaints and
// answers meanwhile. The compile's calls come back to the GUI thread: frames
// encoded as queued notices (only the latest counts), messages and questions
// as calls the worker waits on, answered through `dialogs`.
class BuildRunner : public QObject {
  Q_OBJECT
 public:
  BuildRunner(UserDialogs& dialogs, AdviceTerms terms, QObject* parent = nullptr);
  // Stops a build still running and waits for it; an unanswered question
  // counts as Cancel.
  ~BuildRunner() override;

  // Builds `job` (its paths resolved) with `state`, which must not be touched
  // until finished() has been emitted.
  void Start(CompileState& state, FrameDocument job);
  bool Running() const { return running_; }
  // The build ends at the next frame, leaving an earlier output as it was.
  void RequestStop() { stop_ = true; }

  size_t FramesEncoded() const { return encoded_; }
  size_t FramesInList() const { return total_; }

 signals:
  void framesEncoded(size_t encoded, size_t total);
  void finished(const std::shared_ptr<BuildResult>& result);

 private:
  class WorkerHost;

  // On the worker: `ask` runs on the GUI thread; false when the runner goes first.
  bool AskOnGuiThread(std::function<bool(UserDialogs&)> ask);
  void NoteFrames(size_t encoded, size_t total);
  void Run(CompileState& state, std::shared_ptr<BuildResult> result);
  void Join();

  UserDialogs& dialogs_;
  AdviceTerms terms_;
  std::thread worker_;
  bool running_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<size_t> encoded_{0};
  std::atomic<size_t> total_{0};
  std::atomic<bool> noticePending_{false};
  std::mutex answerMutex_;
  std::condition_variable answered_;
  bool abandoned_ = false;  // guarded by answerMutex_
};

}  // namespace kelvane::ui
