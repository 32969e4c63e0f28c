// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/viewer.h"

#include <QAbstractListModel>
#include <QBuffer>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/replacing_writer.h"
#include "ui/file_filters.h"
#include "ui/user_dialogs.h"
#include "ui/viewer_texts.h"

namespace kelvane::ui {

namespace {

constexpr int kCheckerCell = 8;

QPushButton* NamedButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QSpinBox* NamedSpinBox(const char* name, const char* prefix, const char* suffix, int lowest,
                       int highest, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setPrefix(prefix);
  box->setSuffix(suffix);
  box->setRange(lowest, highest);
  box->setValue(value);
  return box;
}

// Light and dark squares that show through where a frame is transparent.
QBrush CheckerBrush() {
  QPixmap tile(2 * kCheckerCell, 2 * kCheckerCell);
  tile.fill(QColor(204, 204, 204));
  QPainter painter(&tile);
  painter.fillRect(kCheckerCell, 0, kCheckerCell, kCheckerCell, QColor(153, 153, 153));
  painter.fillRect(0, kCheckerCell, kCheckerCell, kCheckerCell, QColor(153, 153, 153));
  return QBrush(tile);
}

QImage FrameImage(const DefImage& image, const RgbPalette& palette) {
  if (image.width <= 0 || image.height <= 0) {
    return {};
  }
  QImage frame(image.width, image.height, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (const uint32_t colour : ShownColours(palette)) {
    colours << QRgb(colour);
  }
  frame.setColorTable(colours);
  for (int32_t y = 0; y < image.height; ++y) {
    std::copy_n(image.pixels.data() + size_t(y) * size_t(image.width), size_t(image.width),
                frame.scanLine(y));
  }
  return frame;
}

// An error box; the path is added when the message does not name it already.
void Report(UserDialogs& dialogs, const Error& error, const std::string& path) {
  dialogs.ShowError(error.what(), PathToAdd(error.what(), path));
}

}  // namespace

// The groups' captions, made as the list shows them: a file of millions of
// groups costs no widget item per group.
class GroupListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void Show(const DefFile* def) {
    beginResetModel();
    def_ = def;
    endResetModel();
  }
  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() || def_ == nullptr ? 0 : int(def_->groups().size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
      return {};
    }
    return QString::fromStdString(GroupCaption(def_->groups()[size_t(index.row())]));
  }

 private:
  const DefFile* def_ = nullptr;
};

DefViewer::DefViewer(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
  setObjectName("DefViewer");
  setWindowTitle(viewer_text::kCaption);
  CreateControls();
  ConnectReactions();
  ShowFrame();
}

void DefViewer::CreateControls() {
  groups_ = new QListView(this);
  groups_->setObjectName("groups");
  groups_->setMaximumWidth(170);
  groups_->setUniformItemSizes(true);
  groups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  groupList_ = new GroupListModel(this);
  groups_->setModel(groupList_);
  picture_ = new QLabel(this);
  picture_->setObjectName("picture");
  picture_->setAlignment(Qt::AlignCenter);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(picture_);
  scroll->setWidgetResizable(true);
  scroll->setMinimumSize(320, 240);
  facts_ = new QLabel(this);
  facts_->setObjectName("facts");
  facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  open_ = NamedButton("open", viewer_text::kOpen, this);
  previous_ = NamedButton("previous", viewer_text::kPrevious, this);
  play_ = NamedButton("play", viewer_text::kPlay, this);
  play_->setCheckable(true);
  next_ = NamedButton("next", viewer_text::kNext, this);
  previous_->setShortcut(QKeySequence(Qt::Key_Left));
  next_->setShortcut(QKeySequence(Qt::Key_Right));
  play_->setShortcut(QKeySequence(Qt::Key_Space));
  speed_ = NamedSpinBox("speed", viewer_text::kSpeedPrefix, viewer_text::kSpeedSuffix,
                        DefViewerModel::kSlowestSpeed, DefViewerModel::kFastestSpeed,
                        model_.speed(), this);
  zoom_ = NamedSpinBox("zoom", viewer_text::kZoomPrefix, viewer_text::kZoomSuffix,
                       DefViewerModel::kSmallestZoom, DefViewerModel::kLargestZoom, model_.zoom(),
                       this);
  export_ = NamedButton("export", viewer_text::kExport, this);
  timer_ = new QTimer(this);
  timer_->setInterval(model_.TickMilliseconds());

  auto* steps = new QHBoxLayout;
  for (QWidget* control :
       std::initializer_list<QWidget*>{open_, previous_, play_, next_, speed_, zoom_, export_}) {
    steps->addWidget(control);
  }
  steps->addStretch();
  auto* shown = new QVBoxLayout;
  shown->addWidget(scroll, 1);
  shown->addWidget(facts_);
  auto* panes = new QHBoxLayout;
  panes->addWidget(groups_);
  panes->addLayout(shown, 1);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(panes, 1);
  whole->addLayout(steps);
  resize(720, 480);
}

void DefViewer::ConnectReactions() {
  connect(open_, &QPushButton::clicked, this, &DefViewer::OpenClick);
  connect(export_, &QPushButton::clicked, this, &DefViewer::ExportClick);
  connect(groups_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { GroupChosen(current.row()); });
  connect(play_, &QPushButton::toggled, this, &DefViewer::PlayToggled);
  connect(previous_, &QPushButton::clicked, this, [this] {
    model_.PreviousFrame();
    ShowFrame();
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    model_.NextFrame();
    ShowFrame();
  });
  connect(speed_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
    model_.SetSpeed(value);
    timer_->setInterval(model_.TickMilliseconds());
  });
  connect(zoom_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
    model_.SetZoom(value);
    ShowPicture();
  });
  connect(timer_, &QTimer::timeout, this, &DefViewer::Tick);
}

bool DefViewer::Open(const std::string& path) {
  try {
    DefFile def = DefFile::Open(path);
    groupList_->Show(nullptr);
    decoded_.Forget();
    def_ = std::move(def);
  } catch (const Error& error) {
    Report(dialogs_, error, path);
    return false;
  }
  path_ = path;
  const int speed = model_.speed();
  const int zoom = model_.zoom();
  model_ = DefViewerModel::Of(*def_);
  model_.SetSpeed(speed);
  model_.SetZoom(zoom);
  setWindowTitle(QString::fromStdString(SplitPath(path).name) + " - " + viewer_text::kCaption);
  ShowGroups();
  ShowFrame();
  return true;
}

void DefViewer::Tick() {
  if (model_.Tick()) {
    ShowFrame();
  }
}

// A hidden viewer plays nothing.
void DefViewer::hideEvent(QHideEvent* event) {
  model_.SetPlaying(false);
  ShowControls();
  QWidget::hideEvent(event);
}

void DefViewer::OpenClick() {
  OpenFilesRequest request;
  request.place = kDefsPlace;
  request.filters = {{viewer_text::kDefFilesLabel, viewer_text::kDefFilesPattern}};
  const auto answer = dialogs_.OpenFiles(request);
  if (answer && !answer->paths.empty()) {
    Open(answer->paths.front());
  }
}

// The frame shown when the button was pressed is saved, however far the
// animation moves while the dialog is open.
void DefViewer::ExportClick() {
  if (frame_.isNull()) {
    return;
  }
  const QImage frame = frame_;
  const DefGroupEntry& group = def_->groups()[model_.group()];
  SaveFileRequest request;
  request.place = kPngPlace;
  request.filters = {{viewer_text::kPngFilesLabel, viewer_text::kPngFilesPattern}};
  request.initialName = SplitPath(path_).folder + PngNameFor(group.frames[model_.frame()].name,
                                                             path_, group.number, model_.frame());
  const auto path = dialogs_.SaveFile(request);
  if (!path) {
    return;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  try {
    RefuseWritingOverSource(*def_, *path);
    if (!frame.save(&buffer, "PNG")) {
      ThrowInputError(viewer_text::kPngNotWritten, *path);
    }
    ReplacingFileWriter file(*path);
    file.Write(png.constData(), size_t(png.size()));
    file.Commit();
  } catch (const Error& error) {
    Report(dialogs_, error, *path);
  }
}

void DefViewer::GroupChosen(int row) {
  if (row >= 0) {
    model_.SelectGroup(size_t(row));
    ShowFrame();
  }
}

void DefViewer::PlayToggled(bool play) {
  model_.SetPlaying(play);
  ShowControls();
}

void DefViewer::ShowGroups() {
  const QSignalBlocker quiet(groups_->selectionModel());
  groupList_->Show(&*def_);
  groups_->setCurrentIndex(def_->groups().empty() ? QModelIndex()
                                                  : groupList_->index(int(model_.group())));
}

// A frame that cannot be decoded stops the animation and says why in place
// of the frame's facts: one error box per timer beat would stop the user.
void DefViewer::ShowFrame() {
  frame_ = QImage();
  if (!def_) {
    facts_->setText(viewer_text::kNoFile);
  } else if (model_.groupCount() == 0) {
    facts_->setText(viewer_text::kNoGroup);
  } else if (!model_.HasFrame()) {
    facts_->setText(viewer_text::kNoFrame);
  } else {
    const size_t g = model_.group();
    const size_t f = model_.frame();
    try {
      const DefFrameHeader header = def_->FrameHeaderOf(g, f);
      frame_ = FrameImage(decoded_.Decode(*def_, g, f), def_->palette());
      facts_->setText(
          QString::fromStdString(FrameFacts(model_, def_->groups()[g].frames[f], header)));
    } catch (const Error& error) {
      model_.SetPlaying(false);
      facts_->setText(QString::fromStdString(error.what()));
    }
  }
  ShowPicture();
  ShowControls();
}

void DefViewer::ShowPicture() {
  if (frame_.isNull()) {
    picture_->setPixmap(QPixmap());
    return;
  }
  const int zoom = model_.ShownZoom(frame_.width(), frame_.height());
  QPixmap shown(frame_.width() * zoom, frame_.height() * zoom);
  QPainter painter(&shown);
  painter.fillRect(shown.rect(), CheckerBrush());
  painter.drawImage(shown.rect(), frame_);
  painter.end();
  picture_->setPixmap(shown);
}

void DefViewer::ShowControls() {
  const bool frame = model_.HasFrame();
  previous_->setEnabled(frame);
  next_->setEnabled(frame);
  play_->setEnabled(model_.CanPlay());
  export_->setEnabled(!frame_.isNull());
  {
    const QSignalBlocker quiet(play_);
    play_->setChecked(model_.playing());
  }
  if (model_.playing() && !timer_->isActive()) {
    timer_->start();
  } else if (!model_.playing()) {
    timer_->stop();
  }
}

}  // namespace kelvane::ui
