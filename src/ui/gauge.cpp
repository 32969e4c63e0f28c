// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gauge.h"

#include <QPainter>

namespace kelvane::ui {

Gauge::Gauge(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  setValue(0);
  setTextVisible(true);
}

void Gauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  const QRect inside = rect().adjusted(1, 1, -1, -1);
  painter.fillRect(inside, Qt::white);
  const int span = maximum() - minimum();
  const int filledWidth = span > 0 ? inside.width() * (value() - minimum()) / span : 0;
  const QRect filled(inside.left(), inside.top(), filledWidth, inside.height());
  painter.fillRect(filled, QColor(0, 0, 255));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);

  const QString percent = QStringLiteral("%1%").arg(value());
  painter.setPen(Qt::black);
  painter.setClipRect(inside.adjusted(filledWidth, 0, 0, 0));
  painter.drawText(inside, Qt::AlignCenter, percent);
  painter.setPen(Qt::white);
  painter.setClipRect(filled);
  painter.drawText(inside, Qt::AlignCenter, percent);
}

}  // namespace kelvane::ui
