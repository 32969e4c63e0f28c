// kelvane-screenshot OUT.png [LIST.h3l [ENTRY]]: shows the main window as the
// program does (with the DefList opened and the 1-based ENTRY selected, which
// previews it), lets it paint on the display, and saves what the display shows
// of it. Run under a virtual X server by tools/screenshots.sh.

#include <QApplication>
#include <QListView>
#include <QScreen>
#include <QTimer>
#include <iostream>

#include "ui/back2.h"
#include "ui/qt_dialogs.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) {
    std::cerr << "usage: kelvane-screenshot OUT.png [LIST.h3l [ENTRY]]\n";
    return 2;
  }
  kelvane::ui::QtDialogs dialogs;
  kelvane::ui::TForm1 window(dialogs);
  dialogs.SetParent(&window);
  window.move(0, 0);
  window.show();
  if (arguments.size() > 2) {
    window.OpenDefList(arguments[2].toStdString());
  }
  if (arguments.size() > 3) {
    auto* list = window.findChild<QListView*>("ListBox1");
    list->setCurrentIndex(list->model()->index(arguments[3].toInt() - 1, 0));
  }
  int status = 1;
  QTimer::singleShot(500, [&] {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    status = shot.save(arguments[1]) ? 0 : 1;
    application.quit();
  });
  application.exec();
  return status;
}
