// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>
#include <memory>
#include <string>

namespace kelvane::ui {

struct BuildResult;

// The line under the main window's controls that says what the last command
// did. Its summary is cut in the middle where it would not fit; details (the
// warnings of a build) sit behind a link and in the tooltip.
class StatusLine : public QLabel {
  Q_OBJECT
 public:
  explicit StatusLine(QWidget* parent = nullptr);

  void Show(const QString& summary, const QStringList& details = {});
  const QString& summary() const { return summary_; }
  const QStringList& details() const { return details_; }

 signals:
  void detailsAsked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Render();

  QString summary_;
  QStringList details_;
};

// What the status line says while a build runs, and once it has ended.
QString BuildingSummary(const std::string& output, size_t encoded, size_t total);
QString FinishedSummary(const BuildResult& result);
QStringList FinishedDetails(const BuildResult& result);

}  // namespace kelvane::ui
