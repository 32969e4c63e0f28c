// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/user_dialogs.h"

// Answers the window's boxes and dialogs from a script, and records what was shown.
class FakeDialogs : public kelvane::ui::UserDialogs {
 public:
  struct Shown {
    std::string kind;  // "message", "question" or "error"
    std::string caption;
    std::string text;
    std::string path;                // errors only
    std::vector<std::string> hints;  // errors only
  };

  void ShowMessage(const std::string& text, const std::string& caption) override {
    shown.push_back({"message", caption, text, {}, {}});
  }
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    shown.push_back({"question", caption, text, {}, {}});
    if (whileAsking) {
      // Once: what the user does while the question is open.
      auto act = std::move(whileAsking);
      whileAsking = nullptr;
      act();
    }
    return Next(answers, "question");
  }
  // Kept apart from `shown`; Discard unless a test scripts another answer.
  kelvane::ui::SaveAnswer AskToSave(const std::string& text, const std::string& caption) override {
    saveQuestions.push_back({"save?", caption, text, {}, {}});
    if (keepAnswers.empty()) {
      return kelvane::ui::SaveAnswer::Discard;
    }
    const auto answer = keepAnswers.front();
    keepAnswers.pop_front();
    return answer;
  }
  void ShowError(const std::string& message, const std::string& path) override {
    shown.push_back({"error", {}, message, path, {}});
  }
  void ShowFailure(const std::string& message, const std::string& path,
                   const std::vector<std::string>& hints) override {
    shown.push_back({"error", {}, message, path, hints});
  }
  std::optional<kelvane::ui::OpenFilesAnswer> OpenFiles(
      const kelvane::ui::OpenFilesRequest& request) override {
    openRequests.push_back(request);
    return Next(openAnswers, "open dialog");
  }
  std::optional<std::string> SaveFile(const kelvane::ui::SaveFileRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveAnswers, "save dialog");
  }

  // Scripted answers, taken in order; a box or dialog with no answer left
  // fails the test and is answered Cancel.
  std::deque<bool> answers;
  std::deque<kelvane::ui::SaveAnswer> keepAnswers;  // Save, Discard or Cancel
  std::deque<std::optional<kelvane::ui::OpenFilesAnswer>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;

  std::function<void()> whileAsking;

  std::vector<Shown> shown;
  std::vector<Shown> saveQuestions;
  std::vector<kelvane::ui::OpenFilesRequest> openRequests;
  std::vector<kelvane::ui::SaveFileRequest> saveRequests;

 private:
  template <typename T>
  static T Next(std::deque<T>& queue, const char* what) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected " << what;
      return T{};
    }
    T answer = queue.front();
    queue.pop_front();
    return answer;
  }
};
