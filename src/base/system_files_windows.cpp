// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 calls behind system_files.h. Paths arrive in UTF-8 and go to the
// system in UTF-16, through the wide ("W") calls only.
// Windows 10's declarations, for replacing a file that is open; every call
// used exists since Windows Vista.
#define _WIN32_WINNT 0x0A00
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <iterator>
#include <utility>
#include <vector>

#include "base/binary_file.h"
#include "base/errors.h"
#include "base/path_parts.h"
#include "base/system_files.h"

namespace kelvane {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// ReadFile and WriteFile take a 32-bit count.
constexpr size_t kLargestTransfer = size_t(1) << 30;
// The information class of a rename with flags; these headers name it only
// for a version number that no _WIN32_WINNT takes.
constexpr auto kFileRenameInfoEx = FILE_INFO_BY_HANDLE_CLASS(22);
// How long a target that is open elsewhere is waited for: 2 s in all.
constexpr int kMoveAttempts = 40;
constexpr DWORD kMoveRetryMs = 50;

}  // namespace

// The user's first I/O error codes are the system's own numbers; the rest
// of the system's numbers mean other things.
std::optional<int> IoCodeFromSystemError(int err, const std::string&) {
  switch (DWORD(err)) {
    case ERROR_FILE_NOT_FOUND:
      return io_code::kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NO_UNICODE_TRANSLATION:
      return io_code::kInvalidFilename;
    case ERROR_TOO_MANY_OPEN_FILES:
      return io_code::kTooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return io_code::kAccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return io_code::kDiskFull;
    case ERROR_HANDLE_EOF:
      return io_code::kReadBeyondEnd;
    default:
      return std::nullopt;
  }
}

namespace {

[[noreturn]] void ThrowWin32(DWORD err, const std::string& path) {
  ThrowSystemError(int(err), path);
}

// UTF-16 for a system call; a name that is not UTF-8 names no file.
std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), nullptr, 0);
  if (size <= 0 || !IsUsableFileName(utf8)) {
    ThrowIoError(io_code::kInvalidFilename, utf8);
  }
  std::wstring wide(size_t(size), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), wide.data(),
                      size);
  return wide;
}

std::string Utf8(const wchar_t* wide, size_t length) {
  if (length == 0) {
    return {};
  }
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, int(length), nullptr, 0, nullptr, nullptr);
  std::string utf8(size_t(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, int(length), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// The system's own sentence, in English where the system has it, without the
// line end and full stop it ends with.
std::string SystemText(DWORD err) {
  constexpr DWORD kFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  wchar_t text[512] = {};
  DWORD length = FormatMessageW(kFlags, nullptr, err, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                text, DWORD(std::size(text)), nullptr);
  if (length == 0) {
    length = FormatMessageW(kFlags, nullptr, err, 0, text, DWORD(std::size(text)), nullptr);
  }
  while (length > 0 && (std::iswspace(text[length - 1]) || text[length - 1] == L'.')) {
    --length;
  }
  return length > 0 ? Utf8(text, length) : "System error " + std::to_string(err);
}

// The wide form of `path` when it can name a file, else none.
std::optional<std::wstring> WideIfUsable(const std::string& path) {
  try {
    return Wide(path);
  } catch (const Error&) {
    return std::nullopt;
  }
}

HANDLE Handle(intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

intptr_t Stored(HANDLE handle) {
  return reinterpret_cast<intptr_t>(handle);
}

HANDLE StandardHandle(StandardStream stream) {
  return GetStdHandle(stream == StandardStream::Input    ? STD_INPUT_HANDLE
                      : stream == StandardStream::Output ? STD_OUTPUT_HANDLE
                                                         : STD_ERROR_HANDLE);
}

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info)) {
    return std::nullopt;
  }
  return FileIdentity{info.dwVolumeSerialNumber,
                      uint64_t(info.nFileIndexHigh) << 32 | info.nFileIndexLow};
}

std::optional<FileFacts> FactsOfHandle(HANDLE handle) {
  switch (GetFileType(handle)) {
    case FILE_TYPE_CHAR:
      return FileFacts{FileKind::CharacterDevice, 0, std::nullopt};
    case FILE_TYPE_PIPE:
      return FileFacts{FileKind::Pipe, 0, std::nullopt};
    case FILE_TYPE_DISK:
      break;
    default:
      return FileFacts{FileKind::Other, 0, std::nullopt};
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) {
    return std::nullopt;
  }
  const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return FileFacts{folder ? FileKind::Folder : FileKind::Regular,
                   uint64_t(info.nFileSizeHigh) << 32 | info.nFileSizeLow,
                   IdentityOfHandle(handle)};
}

// A pipe's name: opening it would take one of the server's connections.
bool IsPipeName(const std::wstring& path) {
  return path.size() > 9 &&
         (path.compare(0, 9, L"\\\\.\\pipe\\") == 0 || path.compare(0, 9, L"\\\\?\\pipe\\") == 0);
}

// Positional reads and writes on a handle opened for plain (not overlapped) I/O.
OVERLAPPED At(uint64_t offset) {
  OVERLAPPED at{};
  at.Offset = DWORD(offset);
  at.OffsetHigh = DWORD(offset >> 32);
  return at;
}

std::string FailureReason(DWORD err) {
  return err == ERROR_NO_DATA || err == ERROR_BROKEN_PIPE ? "the program reading it stopped reading"
                                                          : SystemErrorMessage(int(err), "");
}

// A target that a reader holds open (letting others delete it) cannot be
// replaced by a plain move; with POSIX semantics (Windows 10 and later, on
// NTFS) the reader keeps the earlier file and the name gets the new one, as
// on other systems. `name` is in the temporary file's folder.
bool RenameOverOpenFile(const std::string& temporary, const std::string& name) {
  const HANDLE file = CreateFileW(Wide(temporary).c_str(), DELETE | SYNCHRONIZE, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  const std::wstring wideName = Wide(name);
  std::vector<uint8_t> buffer(sizeof(FILE_RENAME_INFO) + wideName.size() * sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
  rename->FileNameLength = DWORD(wideName.size() * sizeof(wchar_t));
  std::copy(wideName.begin(), wideName.end(), rename->FileName);
  const bool renamed =
      SetFileInformationByHandle(file, kFileRenameInfoEx, rename, DWORD(buffer.size()));
  CloseHandle(file);
  return renamed;
}

// The console draws UTF-8 and the progress bar's control sequences.
void PrepareConsole() {
  SetConsoleOutputCP(CP_UTF8);
  for (const DWORD stream : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
      SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
  }
}

}  // namespace

std::string SystemErrorText(int err) {
  return SystemText(DWORD(err));
}

PathStyle NativePathStyle() {
  return PathStyle::Windows;
}

std::optional<FileFacts> FactsOfPath(const std::string& path) {
  const auto wide = WideIfUsable(path);
  if (!wide) {
    return std::nullopt;
  }
  if (IsPipeName(*wide)) {
    return FileFacts{FileKind::Pipe, 0, std::nullopt};
  }
  // No access asked for: only the facts. Folders open with backup semantics.
  const HANDLE handle = CreateFileW(wide->c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  auto facts = FactsOfHandle(handle);
  CloseHandle(handle);
  return facts;
}

bool NothingNamed(const std::string& path) {
  const auto wide = WideIfUsable(path);
  if (!wide || GetFileAttributesW(wide->c_str()) != INVALID_FILE_ATTRIBUTES) {
    return false;
  }
  const DWORD err = GetLastError();
  return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
}

bool IsSymbolicLink(const std::string& path) {
  const auto wide = WideIfUsable(path);
  const DWORD attributes = wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsFolder(const std::string& path) {
  const auto wide = WideIfUsable(path);
  const DWORD attributes = wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string KindText(FileKind kind) {
  switch (kind) {
    case FileKind::Pipe:
      return "a pipe";
    case FileKind::CharacterDevice:
      return "a device";
    default:
      return "a special file";
  }
}

bool CanOverwrite(const std::string& path) {
  const auto wide = WideIfUsable(path);
  if (!wide || (GetFileAttributesW(wide->c_str()) & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  // Opening for writing asks both the read-only attribute and the permissions;
  // a file that another program holds open is not a question of permission.
  const HANDLE handle =
      CreateFileW(wide->c_str(), FILE_WRITE_DATA, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return GetLastError() == ERROR_SHARING_VIOLATION;
  }
  CloseHandle(handle);
  return true;
}

std::optional<FileIdentity> IdentityOfStream(StandardStream stream) {
  return IdentityOfHandle(StandardHandle(stream));
}

bool IsTerminal(StandardStream stream) {
  DWORD mode = 0;
  return GetConsoleMode(StandardHandle(stream), &mode) != 0;
}

SystemFile SystemFile::OpenForReading(const std::string& path) {
  // Shared with writers and with deleting, so that another build may replace
  // the file while it is read, as on other systems.
  const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    ThrowWin32(GetLastError(), path);
  }
  return SystemFile(Stored(handle));
}

std::optional<SystemFile> SystemFile::CreateNew(const std::string& path,
                                                const std::string& errorPath) {
  const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    return SystemFile(Stored(handle));
  }
  const DWORD err = GetLastError();
  if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) {
    ThrowWin32(err, errorPath);
  }
  return std::nullopt;
}

SystemFile SystemFile::OpenSpecialForWriting(const std::string& path) {
  const HANDLE handle =
      CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD err = GetLastError();
    if (err == ERROR_PIPE_BUSY || err == ERROR_PIPE_NOT_CONNECTED) {
      ThrowInputError("No program is reading from \"" + path + "\"", path);
    }
    ThrowWin32(err, path);
  }
  return SystemFile(Stored(handle));
}

std::optional<SystemFile> SystemFile::StandardStreamAt(const FileIdentity& target) {
  for (const auto stream : {StandardStream::Output, StandardStream::Error}) {
    if (IdentityOfStream(stream) == target) {
      HANDLE copy = nullptr;
      const HANDLE process = GetCurrentProcess();
      if (!DuplicateHandle(process, StandardHandle(stream), process, &copy, 0, FALSE,
                           DUPLICATE_SAME_ACCESS)) {
        ThrowWin32(GetLastError(), "");
      }
      return SystemFile(Stored(copy));
    }
  }
  return std::nullopt;
}

bool SystemFile::IsOpen() const {
  return handle_ != -1;
}

FileFacts SystemFile::Facts(const std::string& errorPath) const {
  const auto facts = FactsOfHandle(Handle(handle_));
  if (!facts) {
    ThrowWin32(GetLastError(), errorPath);
  }
  return *facts;
}

void SystemFile::ReadAt(uint64_t offset, void* into, size_t count,
                        const std::string& errorPath) const {
  auto* out = static_cast<uint8_t*>(into);
  while (count > 0) {
    OVERLAPPED at = At(offset);
    DWORD got = 0;
    if (!ReadFile(Handle(handle_), out, DWORD(std::min(count, kLargestTransfer)), &got, &at)) {
      const DWORD err = GetLastError();
      if (err != ERROR_HANDLE_EOF) {
        ThrowWin32(err, errorPath);
      }
    }
    if (got == 0) {
      ThrowIoError(io_code::kReadBeyondEnd, errorPath);
    }
    out += got;
    offset += got;
    count -= got;
  }
}

// Windows has no read into two buffers at once: the two are filled one after
// the other.
size_t SystemFile::ReadUpTo(uint64_t offset, void* first, size_t firstCount, void* second,
                            size_t secondCount, const std::string& errorPath) const {
  size_t done = 0;
  for (const auto& [into, count] :
       {std::make_pair(first, firstCount), std::make_pair(second, secondCount)}) {
    auto* out = static_cast<uint8_t*>(into);
    for (size_t left = count; left > 0;) {
      OVERLAPPED at = At(offset);
      DWORD got = 0;
      if (!ReadFile(Handle(handle_), out, DWORD(std::min(left, kLargestTransfer)), &got, &at)) {
        const DWORD err = GetLastError();
        if (err != ERROR_HANDLE_EOF) {
          ThrowWin32(err, errorPath);
        }
      }
      if (got == 0) {
        return done;  // the end of the file
      }
      out += got;
      offset += got;
      left -= got;
      done += got;
    }
  }
  return done;
}

void SystemFile::WriteAt(uint64_t offset, const void* bytes, size_t count,
                         const std::string& errorPath) {
  const auto* in = static_cast<const uint8_t*>(bytes);
  while (count > 0) {
    OVERLAPPED at = At(offset);
    DWORD put = 0;
    if (!WriteFile(Handle(handle_), in, DWORD(std::min(count, kLargestTransfer)), &put, &at)) {
      ThrowWin32(GetLastError(), errorPath);
    }
    if (put == 0) {
      ThrowIoError(io_code::kDiskFull, errorPath);
    }
    in += put;
    offset += put;
    count -= put;
  }
}

// Windows has no request to start writing a range without waiting for it;
// FlushFileBuffers before the move does it all.
void SystemFile::StartWritingOut(uint64_t, uint64_t) const {}

std::optional<SystemFile::Failure> SystemFile::WriteAllAndClose(const void* bytes, size_t count) {
  const auto* in = static_cast<const uint8_t*>(bytes);
  size_t done = 0;
  while (done < count) {
    DWORD put = 0;
    if (!WriteFile(Handle(handle_), in + done, DWORD(std::min(count - done, kLargestTransfer)),
                   &put, nullptr) ||
        put == 0) {
      const DWORD err =
          put == 0 && GetLastError() == ERROR_SUCCESS ? ERROR_DISK_FULL : GetLastError();
      Close();
      return Failure{done, FailureReason(err)};
    }
    done += put;
  }
  Close();
  return std::nullopt;
}

void SystemFile::MoveIntoPlace(const std::string& temporary, const std::string& target) {
  const HANDLE handle = Handle(std::exchange(handle_, -1));
  // Flushed before the move: after a power cut the target holds the earlier
  // file or the complete new one, never an empty or partial one. A file
  // system that keeps no more than it was given refuses the flush.
  const bool flushed = FlushFileBuffers(handle) || GetLastError() == ERROR_INVALID_FUNCTION;
  const DWORD flushError = GetLastError();
  CloseHandle(handle);
  if (!flushed) {
    ThrowWin32(flushError, target);
  }
  // The write-through move returns once the new name is on the disk too. A
  // replaced file's permissions come from its folder, as for any new file.
  // A target held open a moment (by another build looking at it, a virus
  // scanner, an indexer) is waited for a while; one held open longer is
  // replaced as on other systems where the system can.
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(Wide(temporary).c_str(), Wide(target).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return;
    }
    const DWORD err = GetLastError();
    const bool heldOpen = err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION;
    if (heldOpen && RenameOverOpenFile(temporary, SplitPath(target).name)) {
      return;
    }
    if (!heldOpen || attempt == kMoveAttempts) {
      ThrowWin32(err, target);
    }
    Sleep(kMoveRetryMs);
  }
}

void SystemFile::Close() {
  if (handle_ != -1) {
    CloseHandle(Handle(std::exchange(handle_, -1)));
  }
}

// Windows ends no process for a pipe whose reader went away: the write fails.
void LetStandardOutputFail() {}

// Line ends as the C runtime's text mode writes them, as std::cout did.
std::optional<OutputFailure> WriteStandardOutput(const char* bytes, size_t count) {
  std::string text;
  text.reserve(count + count / 16);
  for (size_t i = 0; i < count; ++i) {
    if (bytes[i] == '\n') {
      text += '\r';
    }
    text += bytes[i];
  }
  const HANDLE out = StandardHandle(StandardStream::Output);
  size_t done = 0;
  while (done < text.size()) {
    DWORD put = 0;
    if (!WriteFile(out, text.data() + done, DWORD(std::min(text.size() - done, kLargestTransfer)),
                   &put, nullptr) ||
        put == 0) {
      const DWORD err =
          put == 0 && GetLastError() == ERROR_SUCCESS ? ERROR_DISK_FULL : GetLastError();
      return OutputFailure{err == ERROR_NO_DATA || err == ERROR_BROKEN_PIPE, FailureReason(err)};
    }
    done += put;
  }
  return std::nullopt;
}

std::optional<OutputFailure> CloseStandardOutput() {
  const HANDLE out = StandardHandle(StandardStream::Output);
  if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) == FILE_TYPE_DISK &&
      !FlushFileBuffers(out)) {
    const DWORD err = GetLastError();
    return OutputFailure{false, FailureReason(err)};
  }
  return std::nullopt;
}

bool RemovePlainFile(const std::string& path) {
  const auto wide = WideIfUsable(path);
  const DWORD attributes = wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
         DeleteFileW(wide->c_str());
}

std::vector<std::string> FolderEntryNames(const std::string& folder) {
  std::vector<std::string> names;
  const auto wide = WideIfUsable(folder.empty() ? "*" : folder + "*");
  WIN32_FIND_DATAW entry{};
  const HANDLE search = wide ? FindFirstFileW(wide->c_str(), &entry) : INVALID_HANDLE_VALUE;
  if (search == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    const std::string name = Utf8(entry.cFileName, wcslen(entry.cFileName));
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return names;
}

std::string MakeTemporaryFolder(const std::string& namePrefix) {
  wchar_t base[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, base);
  if (length == 0 || length > MAX_PATH) {
    return {};
  }
  // The process id and a counter make a name; one taken meanwhile moves on.
  const std::string prefix = Utf8(base, length) + namePrefix + std::to_string(CurrentProcessId());
  for (unsigned attempt = 0; attempt < 10000; ++attempt) {
    const std::string candidate = prefix + "-" + std::to_string(GetTickCount() + attempt);
    if (CreateDirectoryW(Wide(candidate).c_str(), nullptr)) {
      return candidate;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      return {};
    }
  }
  return {};
}

bool MakeFolder(const std::string& path) {
  const auto wide = WideIfUsable(path);
  return wide && CreateDirectoryW(wide->c_str(), nullptr);
}

std::string CurrentFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  const DWORD length = size ? GetCurrentDirectoryW(size, folder.data()) : 0;
  return length > 0 && length < size ? Utf8(folder.data(), length) : std::string();
}

long CurrentProcessId() {
  return long(GetCurrentProcessId());
}

bool ProcessIsGone(long pid) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
  if (!process) {
    // Access denied: it runs, under another user.
    return GetLastError() == ERROR_INVALID_PARAMETER;
  }
  DWORD code = 0;
  const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  CloseHandle(process);
  return ended;
}

std::vector<std::string> ProgramArguments(int, char**) {
  PrepareConsole();
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; wide && i < count; ++i) {
    arguments.push_back(Utf8(wide[i], wcslen(wide[i])));
  }
  LocalFree(wide);
  return arguments;
}

}  // namespace kelvane
