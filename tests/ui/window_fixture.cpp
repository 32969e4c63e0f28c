// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

WindowTest::WindowTest() {
  window = std::make_unique<kelvane::ui::TForm1>(dialogs);
}

WindowTest::~WindowTest() {
  window.reset();
}

std::string WindowTest::Text(const char* name) const {
  QWidget* widget = Get<QWidget>(name);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return label->text().toStdString();
  }
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    return edit->text().toStdString();
  }
  if (auto* box = qobject_cast<QComboBox*>(widget)) {
    return box->currentText().toStdString();
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return button->text().toStdString();
  }
  ADD_FAILURE() << name << " shows no text";
  return {};
}

void WindowTest::Click(const char* button) {
  Get<QAbstractButton>(button)->click();
}

void WindowTest::BuildAndWait() {
  Click("Button1");
  WaitForBuild();
}

void WindowTest::WaitForBuild() {
  QDeadlineTimer deadline(60000);
  while (window->IsBuilding() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  ASSERT_FALSE(window->IsBuilding()) << "the build did not end within a minute";
}

void WindowTest::Pick(const char* comboBox, int index) {
  auto* box = Get<QComboBox>(comboBox);
  box->setCurrentIndex(index);
  emit box->activated(index);
}

void WindowTest::SelectRow(int row) {
  auto* list = Get<QListView>("ListBox1");
  if (row < 0) {
    list->selectionModel()->clearSelection();
  } else {
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect);
  }
}

int WindowTest::SelectedRow() const {
  const auto rows = Get<QListView>("ListBox1")->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void WindowTest::AddFiles(const std::vector<std::string>& paths, int filterIndex) {
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{paths, filterIndex});
  Click("Button2");
}

void WindowTest::SetEntries(const std::vector<std::string>& entries) {
  SelectRow(-1);
  for (const std::string& entry : entries) {
    if (entry == Separator()) {
      Click("Button5");
    } else {
      AddFiles({entry});
    }
  }
}

std::vector<std::string> WindowTest::Entries() const {
  const auto& list = window->document().list;
  std::vector<std::string> texts;
  for (size_t i = 0; i < list.Count(); ++i) {
    texts.push_back(list.Text(i));
  }
  return texts;
}

std::vector<bool> WindowTest::Checks() const {
  const QAbstractItemModel* model = Get<QListView>("ListBox1")->model();
  std::vector<bool> checks;
  for (int row = 0; row < model->rowCount(); ++row) {
    checks.push_back(model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked);
  }
  return checks;
}

void WindowTest::Check(int row, bool checked) {
  QAbstractItemModel* model = Get<QListView>("ListBox1")->model();
  model->setData(model->index(row, 0), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void WindowTest::Drop(QPoint at, const std::vector<std::string>& paths, QWidget* target) {
  if (target == nullptr) {
    target = window.get();
  }
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& path : paths) {
    urls << QUrl::fromLocalFile(QString::fromStdString(path));
  }
  data.setUrls(urls);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

std::vector<std::string> WindowTest::Frames(int count, int width, int height) {
  std::vector<std::string> paths;
  for (int i = 1; i <= count; ++i) {
    bmpgen::Bmp8 image(width, height, uint8_t(10 + i));
    image.SetGreyPalette();
    image.FillRect(2, 2, width / 2, height / 2, uint8_t(40 + i));
    paths.push_back(folder.Bmp("frame" + std::to_string(i) + ".bmp", image));
  }
  return paths;
}

std::string Separator() {
  return std::string(94, '-');
}
