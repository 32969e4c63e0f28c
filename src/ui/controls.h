// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QListView>
#include <QRect>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kelvane::ui {

// Controls of the program's fixed-layout windows, each with its name and place
// in client pixels.

template <typename Widget>
Widget* Place(Widget* widget, const char* name, QRect place) {
  widget->setObjectName(name);
  widget->setGeometry(place);
  return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect place);
QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, QRect place);
QLabel* Label(QWidget* parent, const char* name, const char* caption, QRect place);
QFrame* Panel(QWidget* parent, const char* name, QFrame::Shadow shadow, QRect place);
void SetBold(QWidget* widget, bool italic = false);

// Gives `window` the desktop's font at the largest size at which every
// caption of its buttons and labels fits its control.
void FitFontToCaptions(QWidget& window);

// Selects `row` of a list view from code and scrolls to it; none, or a row
// past the end, leaves nothing selected.
void SelectRow(QListView* view, std::optional<size_t> row);

}  // namespace kelvane::ui
