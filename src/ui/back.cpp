// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the application, the main window, the hidden help window and
// the event loop, in that order; or, with --view, the DEF viewer alone.

#include <QApplication>
#include <iostream>

#include "base/program_licence.h"
#include "ui/Unit3.h"
#include "ui/back2.h"
#include "ui/pictures.h"
#include "ui/program_arguments.h"
#include "ui/qt_dialogs.h"
#include "ui/ui_texts.h"
#include "ui/viewer.h"

namespace {

// The viewer as the only window: the program ends when it closes.
int ViewAlone(QApplication& application, const std::string& path) {
  kelvane::ui::QtDialogs dialogs;
  kelvane::ui::DefViewer viewer(dialogs);
  dialogs.SetParent(&viewer);
  viewer.show();
  viewer.Open(path);
  return application.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  using kelvane::ui::ProgramArguments;
  namespace ui_text = kelvane::ui::ui_text;
  // Read before Qt starts, so that the answers on the terminal need no display.
  const ProgramArguments arguments = kelvane::ui::ParseProgramArguments(
      kelvane::ui::WithoutToolkitOptions(std::vector<std::string>(argv + 1, argv + argc)));
  switch (arguments.action) {
    case ProgramArguments::Action::ShowHelp:
      std::cout << ui_text::kUsage;
      return 0;
    case ProgramArguments::Action::ShowVersion:
      std::cout << ui_text::kProgramName << " " << KELVANE_VERSION << "\n"
                << kelvane::kLicenceLines;
      return 0;
    case ProgramArguments::Action::Refuse:
      std::cerr << ui_text::kProgramName << ": " << arguments.problem
                << "\nTry 'kelvane --help'.\n";
      return 2;
    case ProgramArguments::Action::OpenViewer:
    case ProgramArguments::Action::OpenWindow:
      break;
  }

  QApplication application(argc, argv);
  application.setApplicationName(ui_text::kProgramName);
  application.setOrganizationName(ui_text::kProgramName);
  application.setApplicationVersion(KELVANE_VERSION);
  application.setWindowIcon(kelvane::ui::ProgramIcon());
  // Wayland shells find the menu entry, and so the icon, by this name.
  application.setDesktopFileName("org.kelvane.Kelvane");
  if (arguments.action == ProgramArguments::Action::OpenViewer) {
    return ViewAlone(application, arguments.viewDef);
  }

  kelvane::ui::QtDialogs dialogs;
  kelvane::ui::TForm1 mainWindow(dialogs);
  dialogs.SetParent(&mainWindow);
  kelvane::ui::TForm3 helpWindow(mainWindow, dialogs, &mainWindow);
  mainWindow.SetHelpWindow(&helpWindow);
  mainWindow.show();
  if (arguments.defList) {
    mainWindow.OpenDefList(*arguments.defList);
  }
  return application.exec();
}
