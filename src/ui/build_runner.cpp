// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/build_runner.h"

#include <filesystem>
#include <system_error>

#include "ui/user_dialogs.h"

namespace kelvane::ui {

// The compile's host on the worker thread.
class BuildRunner::WorkerHost : public CompileHost {
 public:
  explicit WorkerHost(BuildRunner& runner) : runner_(runner) {}

  // The gauge follows the frames encoded, as the command line's bar does.
  void SetProgress(int) override {}
  void FrameProgress(size_t encoded, size_t total, const std::string&) override {
    runner_.NoteFrames(encoded, total);
  }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    runner_.AskOnGuiThread([text, caption](UserDialogs& dialogs) {
      dialogs.ShowMessage(text, caption);
      return true;
    });
  }
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    return runner_.AskOnGuiThread(
        [text, caption](UserDialogs& dialogs) { return dialogs.AskOkCancel(text, caption); });
  }
  bool StopRequested() override { return runner_.stop_; }

 private:
  BuildRunner& runner_;
};

namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

BuildRunner::BuildRunner(UserDialogs& dialogs, AdviceTerms terms, QObject* parent)
    : QObject(parent), dialogs_(dialogs), terms_(std::move(terms)) {}

BuildRunner::~BuildRunner() {
  stop_ = true;
  {
    const std::lock_guard<std::mutex> lock(answerMutex_);
    abandoned_ = true;
  }
  answered_.notify_all();
  Join();
}

void BuildRunner::Start(CompileState& state, FrameDocument job) {
  Join();
  running_ = true;
  stop_ = false;
  encoded_ = 0;
  total_ = job.list.Count() - job.list.SeparatorCount();
  auto result = std::make_shared<BuildResult>();
  result->job = std::move(job);
  worker_ = std::thread([this, &state, result] { Run(state, result); });
}

void BuildRunner::Run(CompileState& state, std::shared_ptr<BuildResult> result) {
  FrameDocument& job = result->job;
  result->warnings = BuildWarnings(job, terms_, [](AdvisedOption) { return true; });
  result->hadOutput = FileExists(job.settings.outputName);
  WorkerHost host(*this);
  result->outcome = CreateDefFile(state, job, host);
  if (result->outcome.status == CompileOutcome::Status::Failed) {
    result->hints = FailureHints(job, result->outcome.Failure(), terms_);
  }
  QMetaObject::invokeMethod(
      this,
      [this, result] {
        Join();
        running_ = false;
        emit finished(result);
      },
      Qt::QueuedConnection);
}

void BuildRunner::Join() {
  if (worker_.joinable()) {
    worker_.join();
  }
}

void BuildRunner::NoteFrames(size_t encoded, size_t total) {
  encoded_ = encoded;
  total_ = total;
  // One notice at a time: the GUI reads the latest count when it gets to it.
  if (!noticePending_.exchange(true)) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          noticePending_ = false;
          emit framesEncoded(encoded_, total_);
        },
        Qt::QueuedConnection);
  }
}

bool BuildRunner::AskOnGuiThread(std::function<bool(UserDialogs&)> ask) {
  struct Call {
    bool done = false;
    bool answer = false;
  };
  auto call = std::make_shared<Call>();
  QMetaObject::invokeMethod(
      this,
      [this, call, ask] {
        const bool answer = ask(dialogs_);
        {
          const std::lock_guard<std::mutex> lock(answerMutex_);
          call->answer = answer;
          call->done = true;
        }
        answered_.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock<std::mutex> lock(answerMutex_);
  answered_.wait(lock, [&] { return call->done || abandoned_; });
  return call->done && call->answer;
}

}  // namespace kelvane::ui
