// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows side of base/: replacing a file that is open, one file by two
// names, Ctrl+C between frames, devices and non-ASCII paths.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/held_signals.h"
#include "base/part_files.h"
#include "base/replacing_writer.h"
#include "base/system_files.h"
#include "cli/extract_command.h"
#include "support/child_process.h"
#include "support/cli_run.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::Build;
using testing_support::ReadBytes;
using testing_support::TempDir;

const std::vector<uint8_t> kEarlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};

std::wstring Wide(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(),
                                         int(wide.size()))));
  return wide;
}

void Replace(const std::string& path, const std::string& text) {
  ReplacingFileWriter writer(path);
  writer.Write(text.data(), text.size());
  writer.Commit();
}

TEST(WindowsFilesTest, SystemErrorsBecomeTheUsersCodes) {
  for (const auto& [system, user] : {std::pair{ERROR_FILE_NOT_FOUND, 2},
                                     {ERROR_PATH_NOT_FOUND, 3},
                                     {ERROR_INVALID_NAME, 3},
                                     {ERROR_TOO_MANY_OPEN_FILES, 4},
                                     {ERROR_SHARING_VIOLATION, 5},
                                     {ERROR_DISK_FULL, 101}}) {
    EXPECT_EQ(IoCodeFromSystemError(int(system), "a"), int(user)) << system;
  }
  // A device's error is no code of the user's: the system's own words.
  EXPECT_EQ(IoCodeFromSystemError(int(ERROR_IO_DEVICE), "a"), std::nullopt);
  const std::string words = SystemErrorMessage(int(ERROR_IO_DEVICE), "a");
  EXPECT_FALSE(words.empty());
  EXPECT_EQ(words.find("I/O error 1117"), std::string::npos) << words;
}

// A reader that lets others replace the file (as the program's own inputs do)
// keeps its bytes; the file is replaced where the file system allows it
// (Windows 10 and later on NTFS), else the build fails and it stays whole.
TEST(WindowsFilesTest, AFileOpenForReadingIsReplacedOrStaysWhole) {
  TempDir dir;
  const std::string path = dir.File("out.def");
  testing_support::WriteBytes(path, kEarlier);
  const InputFile reader(path);
  const std::string failure = testing_support::ErrorText([&] { Replace(path, "new"); });
  std::string seen(7, '\0');
  reader.ReadAt(0, seen.data(), seen.size());
  EXPECT_EQ(seen, "earlier");
  if (failure.empty()) {
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{'n', 'e', 'w'}));
  } else {
    EXPECT_EQ(failure, "File access denied");
    EXPECT_EQ(ReadBytes(path), kEarlier);
  }
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.def"});
}

TEST(WindowsFilesTest, AReaderThatForbidsReplacingLeavesTheFileAsItWas) {
  TempDir dir;
  const std::string path = dir.File("out.def");
  testing_support::WriteBytes(path, kEarlier);
  const HANDLE reader = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  const std::string failure = testing_support::ErrorText([&] { Replace(path, "new"); });
  CloseHandle(reader);
  EXPECT_EQ(failure, "File access denied");
  EXPECT_EQ(ReadBytes(path), kEarlier);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.def"});
}

TEST(WindowsFilesTest, OneFileHasOneIdentityByEveryName) {
  TempDir dir;
  const std::string frame = dir.Bmp("Frame.bmp", testing_support::Tile32(0));
  const std::string linked = dir.File("linked.bmp");
  ASSERT_TRUE(CreateHardLinkW(Wide(linked).c_str(), Wide(frame).c_str(), nullptr));
  const auto identity = IdentityOfPath(frame);
  ASSERT_TRUE(identity.has_value());
  dir.Folder("sub");
  const std::string backslashed = dir.path() + "\\.\\FRAME.BMP";
  for (const std::string& name : {linked, backslashed, dir.path() + "/sub/../frame.bmp"}) {
    EXPECT_EQ(IdentityOfPath(name), identity) << name;
  }
  EXPECT_NE(IdentityOfPath(dir.Bmp("other.bmp", testing_support::Tile32(1))), identity);
  // A build never writes over one of its frames, whatever the name it is given by.
  const auto run = Build({"--type", "3", "-o", backslashed, linked});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ReadBytes(frame), ReadBytes(linked));
}

TEST(WindowsFilesTest, DevicesAreWrittenInPlaceAndRefusedAsInputs) {
  TempDir dir;
  const std::string frame = dir.Bmp("a.bmp", testing_support::Tile32(0));
  const auto facts = FactsOfPath("NUL");
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->kind, FileKind::CharacterDevice);
  const auto written = Build({"--type", "3", "-o", "NUL", frame});
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.bmp"});
  const auto refused = Build({"--type", "3", "-o", dir.File("out.def"), "NUL"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("\"NUL\" is a device, not a regular file"), std::string::npos)
      << refused.err;
}

TEST(WindowsFilesTest, LeftoversOfEndedProcessesAreFoundByProcessId) {
  TempDir dir;
  const std::string out = dir.File("out.def");
  const auto program = testing_support::StartProgram({KELVANE_CLI_PATH, "--version"});
  ASSERT_NE(program, -1);
  const long ended = long(GetProcessId(reinterpret_cast<HANDLE>(program)));
  ASSERT_EQ(testing_support::WaitForProgram(program), 0);
  EXPECT_TRUE(ProcessIsGone(ended));
  EXPECT_FALSE(ProcessIsGone(CurrentProcessId()));
  const std::string left = PartFilePath(dir.path() + "/", "out.def", ended, 0);
  const std::string ours = PartFilePath(dir.path() + "/", "out.def", CurrentProcessId(), 0);
  testing_support::WriteBytes(left, kEarlier);
  testing_support::WriteBytes(ours, kEarlier);
  const auto removed = RemoveLeftoverParts(out);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(removed[0].pid, ended);
  EXPECT_FALSE(testing_support::FileExists(left));
  EXPECT_TRUE(testing_support::FileExists(ours));
}

// Ctrl+C reaches every program of the console: this one notes it and goes on,
// the build stops between two frames.
BOOL WINAPI IgnoreConsoleEvent(DWORD) {
  return TRUE;
}

TEST(WindowsStopTest, CtrlCBetweenFramesLeavesNoPartFileAndTheEarlierOutput) {
  // Left in place: the events reach this program on a thread of their own,
  // maybe after the build has ended, and must not end the tests then.
  SetConsoleCtrlHandler(IgnoreConsoleEvent, TRUE);
  if (!GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) {
    GTEST_SKIP() << "no console to send Ctrl+C through";
  }
  Sleep(200);  // the probe's Ctrl+C has reached this program alone
  TempDir dir;
  bmpgen::Bmp8 big(450, 400);
  for (int32_t y = 0; y < big.height; ++y) {
    for (int32_t x = 0; x < big.width; ++x) {
      big.At(x, y) = uint8_t(8 + (x * 7 + y * 3) % 240);
    }
  }
  dir.Bmp("big.bmp", big);
  std::string lines;
  for (int frame = 0; frame < 2000; ++frame) {
    lines += "big.bmp\r\n";
  }
  testing_support::WriteBytes(dir.File("frames.h3l"), {lines.begin(), lines.end()});
  const std::string out = dir.File("out.def");
  testing_support::WriteBytes(out, kEarlier);
  const auto program =
      testing_support::StartProgram({KELVANE_CLI_PATH, "build", "--list", dir.File("frames.h3l"),
                                     "--list-type", "1", "--type", "0", "--shadow", "-o", out},
                                    {"", dir.File("err.txt")});
  ASSERT_NE(program, -1);
  while (!testing_support::HasPartFile(dir.path()) &&
         WaitForSingleObject(reinterpret_cast<HANDLE>(program), 1) == WAIT_TIMEOUT) {
  }
  GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
  EXPECT_EQ(testing_support::WaitForProgram(program), 130);
  const auto err = ReadBytes(dir.File("err.txt"));
  EXPECT_NE(std::string(err.begin(), err.end()).find("stopped by Ctrl+C: nothing written"),
            std::string::npos);
  EXPECT_EQ(ReadBytes(out), kEarlier);
  EXPECT_FALSE(testing_support::HasPartFile(dir.path()));
}

TEST(WindowsStopTest, CtrlBreakIsNotedUntilTheHolderEnds) {
  std::optional<StopRequest> noted;
  {
    const StopSignals signals;
    EXPECT_FALSE(signals.Pending().has_value());
    if (!GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, 0)) {
      GTEST_SKIP() << "this console sends no Ctrl+Break to all its programs";
    }
    for (int wait = 0; wait < 5000 && !signals.Pending(); ++wait) {
      Sleep(1);
    }
    noted = signals.Pending();
  }
  ASSERT_TRUE(noted.has_value());
  EXPECT_EQ(noted->name, "Ctrl+Break");
  EXPECT_EQ(noted->exitStatus, 149);
  EXPECT_FALSE(StopSignals().Pending().has_value());
}

TEST(WindowsPathsTest, NonAsciiPathsWorkInArgumentsDocumentsAndOutput) {
  TempDir dir;
  const std::string folder = dir.Folder("Кадры ü");
  const std::string frame = folder + "\\трава 01.bmp";
  bmpgen::WriteBmp8(frame, testing_support::Tile32(0));
  const std::string out = folder + "\\выход ✓.def";
  // The program itself, as a user starts it: its arguments come in UTF-16.
  const auto program = testing_support::StartProgram(
      {KELVANE_CLI_PATH, "build", "--type", "3", "-o", out, frame, "/"},
      {dir.File("out.txt"), dir.File("err.txt")});
  ASSERT_EQ(testing_support::WaitForProgram(program), 0);
  const auto said = ReadBytes(dir.File("out.txt"));
  EXPECT_NE(std::string(said.begin(), said.end()).find("выход ✓.def"), std::string::npos);
  const auto built = ReadBytes(out);
  // A document with a backslashed path relative to its folder, and the same
  // frame by its full name.
  std::ofstream(std::filesystem::u8path(folder + "\\список.h3l"), std::ios::binary)
      << "3\r\n4\r\nкопия.def\r\nFALSE\r\nFALSE\r\nFALSE\r\n32\r\n32\r\n\r\n-1\r\nFALSE\r\n"
         "FALSE\r\nFALSE\r\nAuto\r\nAuto\r\n..\\Кадры ü\\трава 01.bmp  0+\r\n";
  const auto run = Build({"--list", folder + "\\список.h3l"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(folder + "\\копия.def"), built);
  std::ostringstream shown, err;
  ASSERT_EQ(RunExtract({out, folder + "\\разбор"}, shown, err), 0) << err.str();
  EXPECT_EQ(
      shown.str().rfind("Extracted 1 frame of 1 group into " + folder + "\\разбор: 1 BMP file", 0),
      0u)
      << shown.str();
}

}  // namespace
}  // namespace kelvane::cli
