// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace kelvane::ui {

namespace {

// A frame not yet known: room for a usual title bar and borders.
const QSize kLikelyFrame(8, 34);

QRect FrameOf(const QWidget& window) {
  if (window.isVisible()) {
    return window.frameGeometry();
  }
  return QRect(window.pos(), window.size() + kLikelyFrame);
}

void Fit(QWidget& window, QPoint wanted) {
  const QScreen* screen = QGuiApplication::screenAt(wanted);
  if (screen == nullptr) {
    screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  }
  if (screen == nullptr) {
    return;
  }
  const QRect frame(wanted, FrameOf(window).size());
  window.move(FittedFramePosition(frame, screen->availableGeometry()));
}

// Fits the window once more where it is when first shown, its frame then known.
class FitWhenShown : public QObject {
 public:
  explicit FitWhenShown(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* window = static_cast<QWidget*>(watched);
      QTimer::singleShot(0, window, [window] { Fit(*window, window->pos()); });
      window->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }
};

}  // namespace

QPoint FittedFramePosition(const QRect& frame, const QRect& available) {
  const int x =
      std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
  const int y =
      std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
  return {x, y};
}

void PlaceOnScreen(QWidget& window, QPoint wanted) {
  Fit(window, wanted);
  if (!window.isVisible()) {
    new FitWhenShown(window);
  }
}

}  // namespace kelvane::ui
