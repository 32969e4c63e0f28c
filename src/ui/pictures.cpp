// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvane::ui {

QPixmap FolderPicture() {
  QPixmap picture(18, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor outline(128, 96, 0);
  painter.setPen(QPen(outline, 1));
  painter.setBrush(QColor(230, 190, 40));
  QPainterPath back;  // the folder's back with its tab
  back.moveTo(1.5, 3.5);
  back.lineTo(6.5, 3.5);
  back.lineTo(8.5, 5.5);
  back.lineTo(15.5, 5.5);
  back.lineTo(15.5, 13.5);
  back.lineTo(1.5, 13.5);
  back.closeSubpath();
  painter.drawPath(back);
  painter.setBrush(QColor(255, 225, 90));
  QPainterPath front;  // the open front flap
  front.moveTo(1.5, 13.5);
  front.lineTo(4.5, 7.5);
  front.lineTo(17.5, 7.5);
  front.lineTo(14.5, 13.5);
  front.closeSubpath();
  painter.drawPath(front);
  return picture;
}

QImage ProgramIconImage(int size) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size / 16.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 40, 48));
  painter.drawRoundedRect(QRectF(0, 2 * unit, 16 * unit, 12 * unit), unit, unit);
  const QColor frames[] = {QColor(220, 60, 50), QColor(60, 170, 70), QColor(50, 100, 220)};
  for (int i = 0; i < 3; ++i) {
    painter.setBrush(frames[i]);
    painter.drawRect(QRectF((1 + 5 * i) * unit, 4 * unit, 4 * unit, 8 * unit));
  }
  painter.setBrush(QColor(235, 235, 235));
  for (int i = 0; i < 4; ++i) {  // sprocket holes
    painter.drawRect(QRectF((1.5 + 4 * i) * unit, 2.5 * unit, 1.5 * unit, unit));
    painter.drawRect(QRectF((1.5 + 4 * i) * unit, 12.5 * unit, 1.5 * unit, unit));
  }
  return picture;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
  }
  return icon;
}

}  // namespace kelvane::ui
