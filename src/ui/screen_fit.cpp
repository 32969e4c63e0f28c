// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
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
  const QRect available = screen->availableGeometry();
  const QSize frame = FrameOf(window).size();
  const QSize over(std::max(0, frame.width() - available.width()),
                   std::max(0, frame.height() - available.height()));
  if (over.width() > 0 || over.height() > 0) {
    window.setFixedSize(window.size() - over);  // its client scrolls
  }
  window.move(FittedFramePosition(QRect(wanted, FrameOf(window).size()), available));
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

QWidget* MakeScrollingClient(QWidget& window, QSize clientSize) {
  auto* client = new QWidget;
  client->setObjectName(kScrolledClientName);
  client->setFixedSize(clientSize);
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setWidget(client);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll);
  return client;
}

void PlaceOnScreen(QWidget& window, QPoint wanted) {
  Fit(window, wanted);
  if (!window.isVisible()) {
    new FitWhenShown(window);
  }
}

}  // namespace kelvane::ui
