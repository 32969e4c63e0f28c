// SPDX-License-Identifier: GPL-3.0-or-later
// Saves what the display shows of one of the program's windows. Run under a
// virtual X server by tools/screenshots.sh.
//   kelvane-screenshot OUT.png [LIST.h3l [ENTRY]]
//       the main window as the program shows it (with the DefList opened and
//       the 1-based ENTRY selected, which previews it)
//   kelvane-screenshot --help-window OUT.png [LIST.h3l [ENTRY]]
//       the help window beside that main window
//   kelvane-screenshot --menu OUT.png [LIST.h3l [ENTRY]]
//       that main window with the list's context menu open over it
//   kelvane-screenshot --wizard OUT.png [BMP...]
//       the creature wizard at its second step, with the BMPs added there
//   kelvane-screenshot --viewer OUT.png FILE.def [FRAME [ZOOM]]
//       the DEF viewer on that file, at the 1-based FRAME of its first group
//   kelvane-screenshot --build OUT.png LIST.h3l AFTER.png
//       the main window with the DefList open, while "Create Def File" builds
//       it (once its gauge passes 40 %), and AFTER.png once the build ended
//   kelvane-screenshot --root OUT.png
//       the whole display, whatever program shows it

#include <QApplication>
#include <QContextMenuEvent>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <iostream>
#include <memory>

#include "ui/Unit3.h"
#include "ui/back2.h"
#include "ui/qt_dialogs.h"
#include "ui/viewer.h"
#include "ui/wizard.h"

namespace {

// Answers every box at once so that nothing covers the window shot, and the
// add dialog with the files given.
class ScriptedDialogs : public kelvane::ui::UserDialogs {
 public:
  explicit ScriptedDialogs(std::vector<std::string> files) : files_(std::move(files)) {}
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskOkCancel(const std::string&, const std::string&) override { return true; }
  kelvane::ui::SaveAnswer AskToSave(const std::string&, const std::string&) override {
    return kelvane::ui::SaveAnswer::Discard;
  }
  void ShowError(const std::string& message, const std::string& path) override {
    std::cerr << "kelvane-screenshot: " << message << " " << path << "\n";
  }
  std::optional<kelvane::ui::OpenFilesAnswer> OpenFiles(
      const kelvane::ui::OpenFilesRequest&) override {
    return kelvane::ui::OpenFilesAnswer{files_, 0};
  }
  std::optional<std::string> SaveFile(const kelvane::ui::SaveFileRequest&) override {
    return std::nullopt;
  }

 private:
  std::vector<std::string> files_;
};

int Shoot(QApplication& application, QWidget& window, const QString& out) {
  int status = 1;
  QTimer::singleShot(500, [&] {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    status = shot.save(out) ? 0 : 1;
    application.quit();
  });
  application.exec();
  return status;
}

// Grabs the window once the build is under way, and again once it has ended.
int ShootBuild(QApplication& application, kelvane::ui::TForm1& window, const QString& during,
               const QString& after) {
  int status = 1;
  bool shotDuring = false;
  auto* gauge = window.findChild<QProgressBar*>("Gauge1");
  QObject::connect(gauge, &QProgressBar::valueChanged, [&](int value) {
    if (!shotDuring && value >= 40) {
      shotDuring = true;
      // Once the window has painted what it shows now.
      QTimer::singleShot(100, [&] {
        status = window.screen()->grabWindow(window.winId()).save(during) ? 0 : 1;
      });
    }
  });
  QObject::connect(&window, &kelvane::ui::TForm1::buildFinished, [&] {
    QTimer::singleShot(300, [&] {
      const bool saved = window.screen()->grabWindow(window.winId()).save(after);
      status = shotDuring && saved ? status : 1;
      application.quit();
    });
  });
  QTimer::singleShot(500, [&] { window.findChild<QPushButton*>("Button1")->click(); });
  application.exec();
  return status;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const QString mode = arguments.value(0).startsWith("--") ? arguments.takeFirst() : QString();
  const QStringList modes = {"--wizard", "--help-window", "--viewer", "--menu", "--build",
                             "--root"};
  if (arguments.isEmpty() || (!mode.isEmpty() && !modes.contains(mode)) ||
      (mode == "--build" && arguments.size() != 3)) {
    std::cerr << "usage: kelvane-screenshot [--wizard | --help-window | --viewer | --menu | "
                 "--build | --root] OUT.png [ARGUMENT...]\n";
    return 2;
  }
  const QString out = arguments.takeFirst();

  if (mode == "--root") {
    return QApplication::primaryScreen()->grabWindow(0).save(out) ? 0 : 1;
  }

  if (mode == "--wizard") {
    std::vector<std::string> files;
    for (const QString& file : arguments) {
      files.push_back(file.toStdString());
    }
    ScriptedDialogs dialogs(files);
    kelvane::FrameDocument document;
    kelvane::ui::TForm2 wizard(document, dialogs, [] {});
    wizard.move(0, 0);
    wizard.show();
    wizard.findChild<QPushButton*>("Button1")->click();
    wizard.findChild<QPushButton*>("Button3")->click();
    return Shoot(application, wizard, out);
  }

  if (mode == "--viewer") {
    ScriptedDialogs dialogs({});
    kelvane::ui::DefViewer viewer(dialogs);
    viewer.move(0, 0);
    viewer.show();
    if (arguments.isEmpty() || !viewer.Open(arguments[0].toStdString())) {
      return 1;
    }
    for (int frame = 1; frame < arguments.value(1, "1").toInt(); ++frame) {
      viewer.findChild<QPushButton*>("next")->click();
    }
    if (arguments.size() > 2) {
      viewer.findChild<QSpinBox*>("zoom")->setValue(arguments[2].toInt());
    }
    return Shoot(application, viewer, out);
  }

  kelvane::ui::QtDialogs dialogs;
  kelvane::ui::TForm1 window(dialogs);
  dialogs.SetParent(&window);
  window.move(0, 0);
  window.show();
  if (!arguments.isEmpty()) {
    window.OpenDefList(arguments[0].toStdString());
  }
  if (mode != "--build" && arguments.size() > 1) {
    auto* list = window.findChild<QListView*>("ListBox1");
    list->setCurrentIndex(list->model()->index(arguments[1].toInt() - 1, 0));
  }
  if (mode == "--build") {
    return ShootBuild(application, window, out, arguments[1]);
  }
  if (mode == "--menu") {
    // The menu runs a loop of its own until the shot is taken and the
    // program quits; the screen is grabbed, as the menu is a window apart.
    auto* list = window.findChild<QListView*>("ListBox1");
    QTimer::singleShot(1500, [&] {
      const QPixmap shot =
          window.screen()->grabWindow(0, 0, 0, window.width() + 120, window.height());
      application.exit(shot.save(out) ? 0 : 1);
    });
    QTimer::singleShot(800, [list] {
      const QPoint at(40, 90);
      QContextMenuEvent open(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
      QApplication::sendEvent(list->viewport(), &open);
    });
    return application.exec();
  }
  if (mode == "--help-window") {
    kelvane::ui::TForm3 help(window, dialogs, &window);
    help.move(0, 0);
    help.show();
    return Shoot(application, help, out);
  }
  return Shoot(application, window, out);
}
