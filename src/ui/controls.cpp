// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <vector>

#include "ui/caption_fit.h"

namespace kelvane::ui {

namespace {

// The room a control leaves for its caption: its width less the check box's
// indicator or the button's bevel.
int CaptionRoomOf(const QAbstractButton* button) {
  const QStyle* style = button->style();
  if (qobject_cast<const QCheckBox*>(button) != nullptr) {
    return button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) -
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button) - 2;
  }
  return button->width() - 8;
}

std::vector<CaptionRoom> CaptionRooms(const QWidget& window) {
  std::vector<CaptionRoom> rooms;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    rooms.push_back({button->text(), CaptionRoomOf(button), button->font().bold()});
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) {
      rooms.push_back({label->text(), label->width(), label->font().bold()});
    }
  }
  return rooms;
}

}  // namespace

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect place) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  return Place(button, name, place);
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, QRect place) {
  return Place(new QCheckBox(caption, parent), name, place);
}

QLabel* Label(QWidget* parent, const char* name, const char* caption, QRect place) {
  return Place(new QLabel(caption, parent), name, place);
}

QFrame* Panel(QWidget* parent, const char* name, QFrame::Shadow shadow, QRect place) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | shadow);
  return Place(panel, name, place);
}

void SetBold(QWidget* widget, bool italic) {
  QFont font = widget->font();
  font.setBold(true);
  font.setItalic(italic);
  widget->setFont(font);
}

void FitFontToCaptions(QWidget& window) {
  window.setFont(FittingFont(QApplication::font(), CaptionRooms(window)));
}

void SelectRow(QListView* view, std::optional<size_t> row) {
  QItemSelectionModel* selection = view->selectionModel();
  if (row && int(*row) < view->model()->rowCount()) {
    const QModelIndex index = view->model()->index(int(*row), 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(index);
  } else {
    selection->clearSelection();
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
}

}  // namespace kelvane::ui
