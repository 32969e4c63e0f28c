// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_picture.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "ui/screen_fit.h"

namespace kelvane::ui {

namespace {

// Where the main window's top-left corner sits in the picture, and how much
// of its width is shown: the controls, not the frame list.
const QPoint kWindowAt(24, 55);
constexpr int kShownWidth = 352;

// Right of the window, left of it, and one above it.
constexpr int kRight = kShownWidth + 16;
constexpr int kLeft = -12;

// The point of `rect` nearest to `from`.
QPoint NearestPoint(const QRect& rect, QPoint from) {
  return {std::clamp(from.x(), rect.left(), rect.right()),
          std::clamp(from.y(), rect.top(), rect.bottom())};
}

// Where the line from the number's centre towards `to` leaves its box.
QPointF BoxExit(const QRectF& box, QPointF to) {
  const QPointF centre = box.center();
  const QPointF d = to - centre;
  if (d.isNull()) {
    return centre;
  }
  const double sx = d.x() == 0 ? 1e9 : (box.width() / 2) / std::abs(d.x());
  const double sy = d.y() == 0 ? 1e9 : (box.height() / 2) / std::abs(d.y());
  return centre + d * std::min({sx, sy, 1.0});
}

QRect ControlRect(QWidget& window, const char* name) {
  const auto* control = window.findChild<QWidget*>(name);
  if (control == nullptr) {
    return {};
  }
  return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

}  // namespace

const std::vector<HelpNumber>& HelpNumbers() {
  static const std::vector<HelpNumber> numbers = {
      {1, "ComboBox2", {kRight, 42}},      {2, "ComboBox1", {kRight, 74}},
      {3, "Button5", {kRight, 129}},       {4, "Button2", {kRight, 156}},
      {5, "CheckBox1", {259, -22}},        {6, "Button3", {kRight, 183}},
      {7, "Button4", {kRight, 210}},       {8, "BitBtn1", {kRight, 237}},
      {9, "Button1", {kRight, 267}},       {10, "Edit3", {kLeft, 296}},
      {11, "BitBtn2", {kRight, 297}},      {12, "Edit4", {kRight, 385}},
      {13, "WizardButton", {kRight, 448}}, {14, "CheckBox2", {kRight, 414}},
      {15, "ComboBox3", {kLeft, 410}},     {16, "CB5", {kLeft, 456}},
      {17, "CB2", {kLeft, 360}},           {18, "CB4", {kLeft, 384}},
      {19, "CB3", {kRight, 358}},
  };
  return numbers;
}

QPixmap HelpPicture(QWidget& mainWindow) {
  // As sharp as the screen shows it, at any scale factor.
  const qreal scale = mainWindow.devicePixelRatioF();
  QPixmap picture(QSize(kHelpPictureWidth, kHelpPictureHeight) * scale);
  picture.setDevicePixelRatio(scale);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  // The controls the help explains, whole however the window scrolls them:
  // not its scroll bars, nor the status line below them.
  auto* client = mainWindow.findChild<QWidget*>(kScrolledClientName);
  QWidget& shown = client != nullptr ? *client : mainWindow;
  const QPixmap shot = shown.grab(QRect(0, 0, kShownWidth, shown.height()));
  painter.drawPixmap(kWindowAt, shot);
  painter.setPen(QPen(QColor(170, 170, 170), 1));
  painter.drawRect(QRect(kWindowAt, shot.size() / shot.devicePixelRatio()).adjusted(-1, -1, 0, 0));

  QFont font = mainWindow.font();
  font.setBold(true);
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const HelpNumber& item : HelpNumbers()) {
    const QRect control = ControlRect(shown, item.control).translated(kWindowAt);
    const QPoint at = item.at + kWindowAt;
    const QString label = QString::number(item.number);
    QRectF box = painter.fontMetrics().boundingRect(label);
    box.moveCenter(at);
    if (!control.isEmpty()) {
      const QPoint target = NearestPoint(control.adjusted(1, 1, -1, -1), at);
      painter.setPen(QPen(Qt::blue, 1.5));
      painter.drawLine(BoxExit(box.adjusted(-2, -1, 2, 1), target), target);
      painter.setBrush(Qt::blue);
      painter.drawEllipse(QPointF(target), 2, 2);
    }
    painter.setPen(Qt::red);
    painter.drawText(box, Qt::AlignCenter, label);
  }
  return picture;
}

}  // namespace kelvane::ui
