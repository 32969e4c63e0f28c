// SPDX-License-Identifier: GPL-3.0-or-later
// Frames that bring no 8-bit palette: the reference palette and dithering,
// reached through the list's context menu so that no control of the window
// moves; the palette a build will use, shown in the menu and as the tooltip
// of "Create Def File"; and the preview of true-colour frames as they will
// be built, mapped on a worker thread, with the original one key away.

#include <QAction>
#include <QFontMetrics>
#include <QFutureWatcher>
#include <QKeySequence>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QtConcurrent/QtConcurrentRun>
#include <new>
#include <optional>

#include "base/errors.h"
#include "base/frame_file.h"
#include "framelist/document_paths.h"
#include "prepare/def_palette.h"
#include "prepare/palette_file.h"
#include "ui/back2.h"
#include "ui/build_runner.h"
#include "ui/file_filters.h"
#include "ui/frame_list_model.h"
#include "ui/preview_picture.h"
#include "ui/ui_texts.h"
#include "ui/user_dialogs.h"

namespace kelvane::ui {

namespace {

// What decides the DEF's palette: the frames and the colour options.
struct PaletteKey {
  std::vector<std::string> frames;
  FrameColourOptions colours;
  bool operator==(const PaletteKey& other) const {
    return frames == other.frames && colours.referencePalette == other.colours.referencePalette &&
           colours.dither == other.colours.dither;
  }
};

struct MappedPreview {
  quint64 job = 0;
  PaletteKey key;
  std::optional<ColourMapping> mapping;
  QImage image;
  QString error;
};

// On a worker thread: the palette (unless known already), then the frame.
MappedPreview MapForPreview(quint64 job, PaletteKey key, std::optional<ColourMapping> known,
                            std::string path) {
  MappedPreview result{job, std::move(key), std::move(known), {}, {}};
  try {
    if (!result.mapping) {
      result.mapping = DefColourMapping(result.key.frames, result.key.colours.referencePalette,
                                        result.key.colours.dither);
    }
    BmpImage frame;
    RgbaImage trueColour;
    LoadDefFrame(path, *result.mapping, frame, trueColour);
    result.image = IndexedPicture(frame);
  } catch (const Error& error) {
    result.error = QString::fromStdString(error.what());
  } catch (const std::bad_alloc&) {
    result.error = QStringLiteral("Out of memory");
  }
  return result;
}

bool IsTrueColour(const std::string& path) {
  try {
    return ReadFrameInfo(path).colours == FrameColours::TrueColour;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace

struct TForm1::TrueColourPreview {
  bool active = false;  // the frame shown is a true-colour frame
  bool showOriginal = false;
  QImage original;
  QImage mapped;
  QString error;
  quint64 job = 0;
  QFutureWatcher<MappedPreview> watcher;
  std::optional<PaletteKey> cachedKey;  // the palette last made, and for what
  std::optional<ColourMapping> cached;
};

void TForm1::CreateColourCommands() {
  preview_.reset(new TrueColourPreview);
  connect(&preview_->watcher, &QFutureWatcher<MappedPreview>::finished, this,
          &TForm1::MappedPreviewReady);
  QListView* list = controls_.ListBox1;
  auto* line = new QAction(list);
  line->setSeparator(true);
  list->addAction(line);
  auto add = [&](const char* name, const char* caption) {
    auto* action = new QAction(caption, list);
    action->setObjectName(name);
    list->addAction(action);
    return action;
  };
  QAction* reference = add("referencePalette", ui_text::kReferencePalette);
  connect(reference, &QAction::triggered, this, &TForm1::ReferencePaletteClick);
  clearPalette_ = add("clearReferencePalette", ui_text::kClearReferencePalette);
  connect(clearPalette_, &QAction::triggered, this, &TForm1::ClearReferencePaletteClick);
  dither_ = add("dither", ui_text::kDither);
  dither_->setCheckable(true);
  idleOnly_.insert(idleOnly_.end(), {reference, dither_});  // a build reads the colours
  connect(dither_, &QAction::toggled, this,
          [this](bool checked) { document_.colours.dither = checked; });
  paletteLine_ = add("paletteLine", "");
  paletteLine_->setEnabled(false);
  // O shows the original of a true-colour frame, and O again the frame as built.
  auto* original = new QShortcut(QKeySequence(Qt::Key_O), this);
  original->setObjectName("showOriginal");
  connect(original, &QShortcut::activated, this, &TForm1::TogglePreviewColours);
  controls_.Button1->installEventFilter(this);
  RefreshColourCommands();
}

void TForm1::PreviewDeleter::operator()(TrueColourPreview* preview) const {
  delete preview;
}

// A build still running is stopped first; the list view and its model go
// before the document they show.
TForm1::~TForm1() {
  delete runner_;
  listModel_->Detach();
}

std::string TForm1::PaletteDescription() const {
  const FrameDocument build = ResolvedForBuild(document_);
  return DescribeDefPalette(FramePaths(build.list), build.colours.referencePalette);
}

void TForm1::RefreshColourCommands() {
  clearPalette_->setEnabled(!document_.colours.referencePalette.empty() && !IsBuilding());
  const QSignalBlocker quiet(dither_);
  dither_->setChecked(document_.colours.dither);
  const QFontMetrics metrics(controls_.ListBox1->font());
  paletteLine_->setText(metrics.elidedText(QString::fromStdString(PaletteDescription()),
                                           Qt::ElideMiddle, 2 * controls_.ListBox1->width()));
}

void TForm1::ReferencePaletteClick() {
  const auto answer = dialogs_.OpenFiles(ReferencePaletteRequest());
  if (!answer || answer->paths.empty()) {
    return;
  }
  const std::string& path = answer->paths.front();
  try {
    ReadReferencePalette(path);  // refused now rather than at the build
  } catch (const Error& error) {
    ShowError(error);
    return;
  }
  document_.colours.referencePalette = path;
  RefreshColourCommands();
}

void TForm1::ClearReferencePaletteClick() {
  document_.colours.referencePalette.clear();
  RefreshColourCommands();
}

void TForm1::ShowFramePicture(const std::string& path, const QImage& original) {
  TrueColourPreview& preview = *preview_;
  preview.original = original;
  preview.mapped = QImage();
  preview.error.clear();
  preview.active = IsTrueColour(path);
  if (preview.active) {
    const FrameDocument build = ResolvedForBuild(document_);
    PaletteKey key{FramePaths(build.list), build.colours};
    std::optional<ColourMapping> known;
    if (preview.cachedKey && *preview.cachedKey == key) {
      known = preview.cached;
    }
    preview.watcher.setFuture(
        QtConcurrent::run(MapForPreview, ++preview.job, std::move(key), known, path));
  }
  ShowPreviewPicture();
}

void TForm1::MappedPreviewReady() {
  TrueColourPreview& preview = *preview_;
  MappedPreview result = preview.watcher.result();
  if (result.mapping) {
    preview.cachedKey = result.key;
    preview.cached = result.mapping;
  }
  if (result.job != preview.job) {
    return;  // a frame selected since
  }
  preview.mapped = result.image;
  preview.error = result.error;
  ShowPreviewPicture();
}

void TForm1::TogglePreviewColours() {
  if (preview_->active) {
    preview_->showOriginal = !preview_->showOriginal;
    ShowPreviewPicture();
  }
}

void TForm1::ShowPreviewPicture() {
  const TrueColourPreview& preview = *preview_;
  const bool mapped = preview.active && !preview.showOriginal && !preview.mapped.isNull();
  controls_.Image1->setPixmap(QPixmap::fromImage(mapped ? preview.mapped : preview.original));
  QString tip;
  if (!preview.error.isEmpty()) {
    tip = QString(ui_text::kPreviewMappingFailed).arg(preview.error);
  } else if (preview.active) {
    tip = mapped ? ui_text::kPreviewMapped : ui_text::kPreviewOriginal;
  }
  controls_.Image1->setToolTip(tip);
}

}  // namespace kelvane::ui
