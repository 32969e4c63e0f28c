// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's ways into the DEF viewer: a keyboard shortcut and the
// list's context menu (which looks at the built DEF again as it opens), so
// that no control of the window moves or is added.

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>

#include "defread/def_viewer_model.h"
#include "framelist/document_paths.h"
#include "ui/back2.h"
#include "ui/file_filters.h"
#include "ui/user_dialogs.h"
#include "ui/viewer.h"
#include "ui/viewer_texts.h"

namespace kelvane::ui {

void TForm1::CreateViewerCommands() {
  Controls& c = controls_;
  auto* viewDef = new QAction(viewer_text::kViewDef, this);
  viewDef->setObjectName("viewDef");
  viewDef->setShortcut(QKeySequence(viewer_text::kViewDefShortcut));
  connect(viewDef, &QAction::triggered, this, &TForm1::ViewDefClick);
  addAction(viewDef);  // the shortcut works wherever the focus is in the window
  auto* line = new QAction(c.ListBox1);
  line->setSeparator(true);
  c.ListBox1->addAction(line);
  c.ListBox1->addAction(viewDef);

  viewBuiltDef_ = new QAction(viewer_text::kViewBuiltDef, c.ListBox1);
  viewBuiltDef_->setObjectName("viewBuiltDef");
  connect(viewBuiltDef_, &QAction::triggered, this, &TForm1::ViewBuiltDefClick);
  c.ListBox1->addAction(viewBuiltDef_);

  connect(c.Edit3, &QLineEdit::textChanged, this, &TForm1::RefreshViewBuiltDef);
  RefreshViewBuiltDef();
}

void TForm1::ViewDefClick() {
  OpenFilesRequest request;
  request.place = kDefsPlace;
  request.filters = {{viewer_text::kDefFilesLabel, viewer_text::kDefFilesPattern}};
  const auto answer = dialogs_.OpenFiles(request);
  if (answer && !answer->paths.empty()) {
    ShowViewer(answer->paths.front());
  }
}

void TForm1::ViewBuiltDefClick() {
  RefreshViewBuiltDef();
  if (viewBuiltDef_->isEnabled()) {
    ShowViewer(FileOf(document_, document_.settings.outputName));
  }
}

void TForm1::RefreshViewBuiltDef() {
  viewBuiltDef_->setEnabled(ViewableFile(FileOf(document_, document_.settings.outputName)));
}

void TForm1::ShowViewer(const std::string& path) {
  if (viewer_ == nullptr) {
    viewer_ = new DefViewer(dialogs_, this);
  }
  if (viewer_->Open(path)) {
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
  }
}

}  // namespace kelvane::ui
