// SPDX-License-Identifier: GPL-3.0-or-later
// Times a build from the main window against kelvane-cli on the same DefList,
// in paired runs: the window's from the click on "Create Def File" to the end
// of the build (its worker thread and the GUI thread's part), kelvane-cli as a
// whole process. Prints the medians of wall-clock and CPU time and their
// ratios, window over command line.
//   kelvane-bench-window CLI LIST.h3l PAIRS
// Both write into the DefList's folder: the window its "Temp.def", kelvane-cli
// "cli.def". Runs offscreen, with no display.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "stderr_dialogs.h"
#include "ui/back2.h"

namespace {

struct Times {
  double wallMs;
  double cpuMs;
  long peakKb = 0;  // kelvane-cli's peak resident memory
};

double CpuMs(const rusage& usage) {
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

Times RunCli(const char* cli, const std::string& list, const std::string& out) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    (void)!freopen("/dev/null", "w", stderr);  // its warnings, the same each run
    execl(cli, cli, "build", "-q", "--list", list.c_str(), "-o", out.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "kelvane-bench-window: %s failed\n", cli);
  }
  return {wall.count(), CpuMs(usage), usage.ru_maxrss};
}

Times RunWindow(kelvane::ui::TForm1& window) {
  rusage before{};
  ::getrusage(RUSAGE_SELF, &before);
  QElapsedTimer wall;
  QEventLoop loop;
  QObject::connect(&window, &kelvane::ui::TForm1::buildFinished, &loop, &QEventLoop::quit);
  wall.start();
  window.findChild<QPushButton*>("Button1")->click();
  loop.exec();
  const double wallMs = wall.nsecsElapsed() / 1e6;
  rusage after{};
  ::getrusage(RUSAGE_SELF, &after);
  return {wallMs, CpuMs(after) - CpuMs(before)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: kelvane-bench-window CLI LIST.h3l PAIRS\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::string list = argv[2];
  const std::string folder = list.substr(0, list.find_last_of('/') + 1);
  kelvane::bench::StderrDialogs dialogs;
  kelvane::ui::TForm1 window(dialogs);
  window.OpenDefList(list);
  RunCli(argv[1], list, folder + "cli.def");  // warm the page cache
  RunWindow(window);
  std::vector<double> walls, cpus, wallRatios, cpuRatios;
  long cliPeakKb = 0;
  for (int pair = 0; pair < std::max(1, std::atoi(argv[3])); ++pair) {
    const Times cli = RunCli(argv[1], list, folder + "cli.def");
    const Times shown = RunWindow(window);
    cliPeakKb = std::max(cliPeakKb, cli.peakKb);
    walls.push_back(shown.wallMs);
    cpus.push_back(shown.cpuMs);
    wallRatios.push_back(shown.wallMs / cli.wallMs);
    cpuRatios.push_back(shown.cpuMs / std::max(cli.cpuMs, 1.0));
  }
  std::printf("window build: wall %.0f ms, CPU %.0f ms; over kelvane-cli: wall %.2fx, CPU %.2fx\n",
              Median(walls), Median(cpus), Median(wallRatios), Median(cpuRatios));
  rusage self{};
  ::getrusage(RUSAGE_SELF, &self);
  std::printf("peak memory: window process %ld MiB (Qt included), kelvane-cli %ld MiB\n",
              self.ru_maxrss / 1024, cliPeakKb / 1024);
  return 0;
}
