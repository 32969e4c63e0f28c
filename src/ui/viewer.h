// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "defread/def_file.h"
#include "defread/def_viewer_model.h"
#include "defread/frame_measures.h"

class QLabel;
class QListView;
class QPushButton;
class QSpinBox;
class QTimer;

namespace kelvane::ui {

class GroupListModel;
class UserDialogs;

// A window that shows the frames of a DEF file: its groups in a list, the
// chosen group's frames one at a time, stepped by hand or played by a timer,
// zoomed by whole factors, with the frame's name, sizes and margins; the
// frame shown can be saved as PNG. Every rule is DefViewerModel's.
class DefViewer : public QWidget {
  Q_OBJECT

 public:
  explicit DefViewer(UserDialogs& dialogs, QWidget* parent = nullptr);

  // Shows the file's first group. A file that cannot be read is reported in
  // an error box, and the viewer keeps what it showed; false then.
  bool Open(const std::string& path);
  // One beat of the animation's timer.
  void Tick();

  const DefViewerModel& model() const { return model_; }
  const std::string& path() const { return path_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void CreateControls();
  void ConnectReactions();
  void OpenClick();
  void ExportClick();
  void GroupChosen(int row);
  void PlayToggled(bool play);
  void ShowGroups();
  void ShowFrame();
  void ShowPicture();
  void ShowControls();  // enable states, the play button and the timer follow the model

  UserDialogs& dialogs_;
  std::optional<DefFile> def_;
  std::string path_;
  DefViewerModel model_;
  LastDecodedFrame decoded_;  // the frame shown, as decoded
  QImage frame_;              // the same at its own size in the colours shown; null when none
  QListView* groups_ = nullptr;
  GroupListModel* groupList_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* facts_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* next_ = nullptr;
  QSpinBox* speed_ = nullptr;
  QSpinBox* zoom_ = nullptr;
  QPushButton* export_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace kelvane::ui
