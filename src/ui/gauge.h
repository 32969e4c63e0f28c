// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressBar>

namespace kelvane::ui {

// A horizontal bar filled in blue from the left, with its percentage written
// across it: dark on the empty part, white on the filled part.
class Gauge : public QProgressBar {
  Q_OBJECT
 public:
  explicit Gauge(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kelvane::ui
