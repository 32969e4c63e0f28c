// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_build.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>

#include "base/checked_size.h"
#include "base/errors.h"
#include "base/ordered_workers.h"
#include "cli/batch_host.h"
#include "cli/build_job.h"
#include "cli/build_summary.h"
#include "cli/printable_text.h"
#include "compiler/build_advice.h"
#include "compiler/compile_driver.h"

namespace kelvane::cli {

namespace {

namespace fs = std::filesystem;

bool IsFolderPath(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool IsDefListName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return extension == ".h3l";
}

// One document of a batch: its own request, job and lines.
struct DocumentBuild {
  DocumentBuild(const BuildRequest& common, const std::string& document)
      : path(document),
        request(common),
        job(request, err, "kelvane-cli: " + OneLineText(document) + ": ") {
    request.lists = {document};
    request.listPath = document;
  }

  std::string path;
  BuildRequest request;  // the command's, reading this document
  std::ostringstream err;
  BuildJob job;
  bool ready = false;    // gathered and checked: built when its turn comes
  bool started = false;  // its build began (it may still have been stopped)
  bool finished = false;
  bool interrupted = false;  // stopped, or never started, after a stop
  int status = kExitFailed;  // as its single build's exit status
  std::string message;       // what kept its DEF from being written
  uint64_t bytes = 0;
  size_t frames = 0;
};

using Documents = std::vector<std::unique_ptr<DocumentBuild>>;

void Prepare(DocumentBuild& doc) {
  try {
    if (auto usage = PrepareJob(doc.job)) {
      doc.err << doc.job.label << OneLineText(*usage) << "\n";
      doc.message = *usage;
      return;
    }
  } catch (const Error& error) {
    Failure(doc.job, error);
    doc.message = error.what();
    return;
  }
  const FrameList& list = doc.job.document.list;
  doc.frames = list.Count() - list.SeparatorCount();
  doc.ready = true;
}

// Two documents with one output would replace each other's DEF: the first
// keeps it.
void RefuseSharedOutputs(Documents& documents) {
  std::map<std::string, const DocumentBuild*> owners;
  for (auto& doc : documents) {
    if (!doc->ready) {
      continue;
    }
    std::error_code error;
    const std::string& output = doc->job.document.settings.outputName;
    const fs::path resolved = fs::weakly_canonical(output, error);
    const auto [owner, isFirst] = owners.emplace(error ? output : resolved.string(), doc.get());
    if (!isFirst) {
      doc->message =
          "its output " + output + " is also that of " + owner->second->path + ", which writes it";
      doc->err << doc->job.label << OneLineText(doc->message) << "\n";
      doc->ready = false;
    }
  }
}

// The build of one document, on a batch thread.
void Build(DocumentBuild& doc, BatchSignals& shared) {
  BuildJob& job = doc.job;
  doc.started = true;
  RemoveLeftovers(job);
  BatchHost host(doc.err, job.label, job.request.answerYes, shared);
  const CompileOutcome outcome = CreateDefFile(job.state, job.document, host);
  WarnAboutWidths(job, host.OddWidths());
  switch (outcome.status) {
    case CompileOutcome::Status::Written:
      doc.status = kExitOk;
      doc.bytes = outcome.bytes;
      return;
    case CompileOutcome::Status::Cancelled:
      doc.status = kExitPaletteRefused;
      doc.message = "the palette check found a difference and the answer was no";
      return;
    case CompileOutcome::Status::Failed:
      Failure(job, outcome.Failure());
      doc.message = outcome.message;
      return;
    case CompileOutcome::Status::Interrupted:
      doc.interrupted = true;
      return;
    case CompileOutcome::Status::Stopped:
      doc.message =
          "nothing built: no Type or no Formats entry is chosen (give --type or --format)";
      doc.err << job.label << OneLineText(doc.message) << "\n";
      return;
  }
}

// The one bar of a batch: DEFs done and frames encoded of all.
class BatchBar {
 public:
  BatchBar(std::ostream& terminal, bool shown, size_t documents, size_t frames)
      : terminal_(terminal), shown_(shown), documents_(documents), frames_(frames) {}

  void Draw(size_t documentsDone, size_t framesEncoded) {
    if (!shown_) {
      return;
    }
    constexpr size_t kWidth = 30;
    const size_t filled = frames_ == 0 ? kWidth * documentsDone / std::max<size_t>(documents_, 1)
                                       : kWidth * std::min(framesEncoded, frames_) / frames_;
    terminal_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
              << documentsDone << "/" << documents_ << " DEFs, " << SizeText(framesEncoded) << "/"
              << SizeText(frames_) << " frames\033[K" << std::flush;
    drawn_ = true;
  }
  // Clears the bar's line, so that lines can be written where it was.
  void Clear() {
    if (drawn_) {
      terminal_ << "\r\033[K" << std::flush;
      drawn_ = false;
    }
  }

 private:
  std::ostream& terminal_;
  bool shown_;
  size_t documents_;
  size_t frames_;
  bool drawn_ = false;
};

class Batch {
 public:
  Batch(const BuildRequest& request, Documents& documents, std::ostream& out, std::ostream& err,
        std::ostream& terminal, const Console& console, const StopSignals& signals)
      : request_(request),
        documents_(documents),
        out_(out),
        err_(err),
        console_(console),
        signals_(signals),
        bar_(terminal, !request.quiet && console.errIsTerminal, documents.size(), FrameCount()) {}

  int Run() {
    const unsigned jobs = request_.jobs == 0 ? AvailableCores() : request_.jobs;
    const size_t ready = size_t(std::count_if(documents_.begin(), documents_.end(),
                                              [](const auto& doc) { return doc->ready; }));
    // With --fail-fast a document that could not even be read stops the batch.
    shared_.stop = request_.failFast && ready < documents_.size();
    std::vector<std::thread> threads;
    for (size_t i = 0; i < std::min<size_t>(jobs, ready); ++i) {
      threads.emplace_back([this] { BuildDocuments(); });
    }
    ShowAsTheyFinish();
    for (std::thread& thread : threads) {
      thread.join();
    }
    bar_.Clear();
    return Summary();
  }

 private:
  size_t FrameCount() const {
    size_t frames = 0;
    for (const auto& doc : documents_) {
      frames += doc->frames;
    }
    return frames;
  }

  void BuildDocuments() {
    // The documents built on this thread take turns with its buffers, which
    // then keep their memory from one to the next.
    EncoderScratch scratch;
    for (size_t i = next_++; i < documents_.size(); i = next_++) {
      DocumentBuild& doc = *documents_[i];
      if (doc.ready) {
        if (shared_.stop) {
          doc.interrupted = true;
        } else {
          std::swap(doc.job.state.scratch, scratch);
          try {
            Build(doc, shared_);
          } catch (const std::exception& error) {
            doc.message = error.what();  // what no Error describes, such as no memory
            doc.err << doc.job.label << OneLineText(doc.message) << "\n";
          }
          std::swap(doc.job.state.scratch, scratch);
          doc.job.state.frameOffsets = {};
        }
        if (request_.failFast && doc.status != kExitOk && !doc.interrupted) {
          shared_.stop = true;
        }
      }
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        doc.finished = true;
      }
      finished_.notify_one();
    }
  }

  // The documents' lines in the order given, each as soon as it and those
  // before it are done; between them the bar, and a look at the stop signals.
  void ShowAsTheyFinish() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (size_t shown = 0; shown < documents_.size();) {
      DocumentBuild& doc = *documents_[shown];
      if (!doc.finished) {
        finished_.wait_for(lock, std::chrono::milliseconds(100), [&] { return doc.finished; });
      }
      if (!stopSignal_) {
        stopSignal_ = signals_.Pending();
        shared_.stop = shared_.stop || stopSignal_.has_value();
      }
      if (doc.finished) {
        lock.unlock();
        bar_.Clear();
        Show(doc);
        lock.lock();
        ++shown;
      }
      bar_.Draw(shown, shared_.framesEncoded);
    }
  }

  void Show(DocumentBuild& doc) {
    err_ << doc.err.str();
    if (doc.interrupted) {
      doc.message =
          "not built: " +
          (stopSignal_ ? "stopped by " + stopSignal_->name
                       : std::string("stopped after a failure")) +
          (doc.started ? ", " + doc.job.document.settings.outputName + " left as it was" : "");
      err_ << doc.job.label << OneLineText(doc.message) << "\n";
    }
    if (doc.ready && doc.status == kExitOk) {
      ReportWritten(doc.job, doc.bytes, out_, err_, console_.outIsProcessOutput, &doc.path);
    } else if (request_.json) {
      WriteJsonFailure(out_, doc.path, doc.job.document.settings.outputName, doc.message);
    }
    err_.flush();
    out_.flush();
  }

  int Summary() {
    size_t written = 0;
    bool failed = false;
    bool refused = false;
    for (const auto& doc : documents_) {
      const bool ok = doc->ready && doc->status == kExitOk;
      written += ok ? 1 : 0;
      failed = failed || (!ok && doc->status != kExitPaletteRefused);
      refused = refused || doc->status == kExitPaletteRefused;
    }
    if (!request_.quiet) {
      err_ << "kelvane-cli: " << written << " of " << documents_.size() << " DEFs written";
      if (written < documents_.size()) {
        err_ << ", " << documents_.size() - written << " not";
      }
      err_ << "\n";
    }
    if (stopSignal_) {
      return stopSignal_->exitStatus;
    }
    return failed ? kExitFailed : refused ? kExitPaletteRefused : kExitOk;
  }

  const BuildRequest& request_;
  Documents& documents_;
  std::ostream& out_;
  std::ostream& err_;
  const Console& console_;
  const StopSignals& signals_;
  BatchBar bar_;
  BatchSignals shared_;
  std::atomic<size_t> next_{0};
  std::mutex mutex_;
  std::condition_variable finished_;
  std::optional<StopRequest> stopSignal_;
};

std::optional<std::string> BatchUsageError(const BuildRequest& request) {
  if (request.Gave("-o")) {
    return "-o names one DEF: in a batch each document's DEF goes to its own output name";
  }
  if (request.saveListPath || request.noBuild) {
    return "--save-list and --no-build write one document: not with several";
  }
  return std::nullopt;
}

}  // namespace

bool IsBatch(const BuildRequest& request) {
  return request.lists.size() > 1 || (request.lists.size() == 1 && IsFolderPath(request.lists[0]));
}

std::vector<std::string> BatchDocuments(const std::vector<std::string>& lists) {
  std::vector<std::string> documents;
  for (const std::string& list : lists) {
    if (!IsFolderPath(list)) {
      documents.push_back(list);
      continue;
    }
    std::vector<std::string> inFolder;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(list, error)) {
      std::error_code kindError;
      if (IsDefListName(entry.path()) && !entry.is_directory(kindError)) {
        inFolder.push_back(entry.path().string());
      }
    }
    std::sort(inFolder.begin(), inFolder.end());
    documents.insert(documents.end(), inFolder.begin(), inFolder.end());
  }
  return documents;
}

int RunBatch(const BuildRequest& request, std::ostream& out, std::ostream& err,
             std::ostream& terminal, const Console& console, const StopSignals& signals) {
  if (auto usage = BatchUsageError(request)) {
    err << "kelvane-cli: " << OneLineText(*usage) << "\nTry 'kelvane-cli build --help'.\n";
    return kExitUsage;
  }
  Documents documents;
  for (const std::string& path : BatchDocuments(request.lists)) {
    documents.push_back(std::make_unique<DocumentBuild>(request, path));
    documents.back()->job.state.workers = 1;  // the documents share the cores
    Prepare(*documents.back());
  }
  if (documents.empty()) {
    err << "kelvane-cli: no DefList document (*.h3l) to build in "
        << (request.lists.size() == 1 ? OneLineText(request.lists[0])
                                      : std::string("the folders given"))
        << "\n";
    return kExitFailed;
  }
  RefuseSharedOutputs(documents);
  for (auto& doc : documents) {
    doc->finished = !doc->ready;
  }
  err.flush();
  return Batch(request, documents, out, err, terminal, console, signals).Run();
}

}  // namespace kelvane::cli
