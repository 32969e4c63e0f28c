#pragma once

#include <QWidget>

namespace kelvane::ui {

// The help window, TForm3: modeless, beside the main window. Its picture and
// text come with the help itself; until then it is an empty window.
class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);
};

}  // namespace kelvane::ui
