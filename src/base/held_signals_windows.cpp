// SPDX-License-Identifier: GPL-3.0-or-later
// Stop requests on Windows: Ctrl+C, Ctrl+Break and closing the console reach a
// console control handler, which notes them for the build to poll.
#include <windows.h>

#include <atomic>
#include <mutex>

#include "base/held_signals.h"

namespace kelvane {

namespace {

// The system calls the handler on a thread of its own with nothing but the
// event, so what it shares with the build can only live here. Only the handler
// and StopSignals touch it.
struct ConsoleEvents {
  std::mutex holdersLock;  // orders registering the handler and clearing the events
  int holders = 0;
  std::atomic<long> released{0};
  std::atomic<long> event{-1};  // the first event since the first holder, or -1
  HANDLE cleanedUp = nullptr;   // set when the last holder has ended
};

ConsoleEvents& Events() {
  static ConsoleEvents events;
  return events;
}

// Once the handler returns from these, the system ends the process; it waits
// this long for the build to remove its temporary file (the system allows 5 s).
constexpr DWORD kCleanUpWaitMs = 4000;

BOOL WINAPI NoteConsoleEvent(DWORD event) {
  ConsoleEvents& events = Events();
  if (events.released.load() > 0) {
    return FALSE;  // the system's own handler ends the process
  }
  long none = -1;
  events.event.compare_exchange_strong(none, long(event));
  const bool ending =
      event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
  if (ending && events.cleanedUp) {
    WaitForSingleObject(events.cleanedUp, kCleanUpWaitMs);
  }
  return TRUE;
}

}  // namespace

struct StopSignals::State {};

StopSignals::StopSignals() {
  ConsoleEvents& events = Events();
  const std::lock_guard<std::mutex> lock(events.holdersLock);
  if (events.holders++ == 0) {
    events.event = -1;
    if (!events.cleanedUp) {
      events.cleanedUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ResetEvent(events.cleanedUp);
    SetConsoleCtrlHandler(NoteConsoleEvent, TRUE);
  }
}

StopSignals::~StopSignals() {
  ConsoleEvents& events = Events();
  const std::lock_guard<std::mutex> lock(events.holdersLock);
  if (--events.holders == 0) {
    SetConsoleCtrlHandler(NoteConsoleEvent, FALSE);
    events.event = -1;
    SetEvent(events.cleanedUp);
  }
}

std::optional<StopRequest> StopSignals::Pending() const {
  // The exit statuses follow the signals the C runtime names for them:
  // 128 + SIGINT (2), 128 + SIGBREAK (21), and 128 + 1 for a console that
  // went away, as for a hang-up.
  switch (Events().event.load()) {
    case CTRL_C_EVENT:
      return StopRequest{"Ctrl+C", 130};
    case CTRL_BREAK_EVENT:
      return StopRequest{"Ctrl+Break", 149};
    case CTRL_CLOSE_EVENT:
      return StopRequest{"closing the console", 129};
    case CTRL_LOGOFF_EVENT:
      return StopRequest{"logging off", 129};
    case CTRL_SHUTDOWN_EVENT:
      return StopRequest{"shutting down", 129};
    default:
      return std::nullopt;
  }
}

StopSignals::Released::Released(const StopSignals& holder) : signals_(holder) {
  ++Events().released;
}

StopSignals::Released::~Released() {
  --Events().released;
}

// A write to a pipe nobody reads fails with an error here; nothing to hold.
struct WriteSignalsHeld::State {};

WriteSignalsHeld::WriteSignalsHeld() = default;

WriteSignalsHeld::~WriteSignalsHeld() = default;

}  // namespace kelvane
