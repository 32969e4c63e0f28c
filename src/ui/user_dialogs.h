// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvane::ui {

// One entry of a file dialog's filter: the label the user picks and the name
// pattern it lists.
struct FileFilter {
  std::string label;
  std::string pattern;
};

struct OpenFilesRequest {
  // Dialogs of one place share the folder they open in, kept across starts.
  std::string place;
  std::vector<FileFilter> filters;
  int filterIndex = 0;  // the entry chosen when the dialog opens
  std::string initialName;
  bool multiple = false;
};

struct OpenFilesAnswer {
  std::vector<std::string> paths;  // full paths, in the dialog's order
  int filterIndex = 0;             // the entry chosen when the dialog closed
};

struct SaveFileRequest {
  std::string place;  // as for OpenFilesRequest
  std::vector<FileFilter> filters;
  std::string initialName;
  bool askBeforeCreating = false;  // naming a file that does not exist asks first
};

// The answer to the question before unsaved changes are thrown away.
enum class SaveAnswer { Save, Discard, Cancel };

// Every modal box and file dialog of the program, so that tests answer them
// directly. An answer of nullopt is a cancelled dialog.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // A message box with OK and Cancel; true for OK.
  virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
  // The error box that ends a command; `path` names the file involved, when
  // there is one and the message does not already say it.
  virtual void ShowError(const std::string& message, const std::string& path) = 0;
  // The same with hints that say what to do, when the cause is plain.
  virtual void ShowFailure(const std::string& message, const std::string& path,
                           const std::vector<std::string>& hints) {
    (void)hints;
    ShowError(message, path);
  }

  // A message box with Save, Discard and Cancel.
  virtual SaveAnswer AskToSave(const std::string& text, const std::string& caption) = 0;

  virtual std::optional<OpenFilesAnswer> OpenFiles(const OpenFilesRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const SaveFileRequest& request) = 0;
};

}  // namespace kelvane::ui
