// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "support/child_process.h"

namespace testing_support {

namespace {

std::wstring Wide(const std::string& utf8) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(size_t(size > 0 ? size : 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
  return wide;
}

// One argument as the program's CommandLineToArgvW reads it back: quoted,
// with backslashes doubled only where a quote follows them.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

HANDLE OpenForChild(const std::string& path) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  return CreateFileW(path.empty() ? L"NUL" : Wide(path).c_str(), GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramId StartProgram(const std::vector<std::string>& args, const ChildSetup& setup) {
  std::wstring commandLine;
  for (const std::string& arg : args) {
    commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(Wide(arg));
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = OpenForChild(setup.stdoutPath);
  startup.hStdError = OpenForChild(setup.stderrPath);
  PROCESS_INFORMATION started{};
  const BOOL ok = CreateProcessW(Wide(args[0]).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                 0, nullptr, nullptr, &startup, &started);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  if (!ok) {
    return -1;
  }
  CloseHandle(started.hThread);
  return reinterpret_cast<ProgramId>(started.hProcess);
}

int WaitForProgram(ProgramId program) {
  const HANDLE process = reinterpret_cast<HANDLE>(program);
  DWORD status = 0;
  const bool ended = WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process, &status);
  CloseHandle(process);
  return ended ? int(status) : -1;
}

bool IsSuperuser() {
  return false;
}

bool FilesHavePermissionBits() {
  return false;
}

bool FileNamesTakeAnyBytes() {
  return false;
}

}  // namespace testing_support
