// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a DEF in the viewer, or a DefList in the main window, lets the window
// lay itself out and paint once, and ends: what a user waits for before the
// window answers. Error boxes become lines on stderr.
//   kelvane-bench-gui --view FILE.def | --list FILE.h3l
// Run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <cstdio>
#include <string>

#include "stderr_dialogs.h"
#include "ui/back2.h"
#include "ui/viewer.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 3 || (args[1] != "--view" && args[1] != "--list")) {
    std::fprintf(stderr, "Usage: kelvane-bench-gui --view FILE.def | --list FILE.h3l\n");
    return 2;
  }
  const std::string path = args[2].toStdString();
  kelvane::bench::StderrDialogs dialogs;
  if (args[1] == "--view") {
    kelvane::ui::DefViewer viewer(dialogs);
    viewer.show();
    viewer.Open(path);
    QApplication::processEvents();
    viewer.repaint();
  } else {
    kelvane::ui::TForm1 window(dialogs);
    window.show();
    window.OpenDefList(path);
    QApplication::processEvents();
    window.repaint();
  }
  return 0;
}
