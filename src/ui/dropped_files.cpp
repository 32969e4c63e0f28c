// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dropped_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace kelvane::ui {

std::vector<std::string> LocalFiles(const QMimeData& data) {
  std::vector<std::string> files;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) {
      files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    }
  }
  return files;
}

DroppedFiles SortDroppedFiles(const std::vector<std::string>& paths) {
  DroppedFiles sorted;
  for (const std::string& path : paths) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix();
    if (suffix.compare(QLatin1String("h3l"), Qt::CaseInsensitive) == 0) {
      if (!sorted.defList) {
        sorted.defList = path;
      }
    } else if (suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 ||
               suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
      sorted.frames.push_back(path);
    }
  }
  return sorted;
}

}  // namespace kelvane::ui
