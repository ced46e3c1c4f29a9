// Windows side of the files module. Every name goes to the system as a wide
// string (the W calls); bytes the programs carry are UTF-8 here. Windows'
// error codes become the errno values the POSIX side gives, so messages
// read the same on both.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/platformside.h"

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;

namespace {

int errnoOf(DWORD code) {
    switch (code) {
    case ERROR_SUCCESS: return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED: return EACCES;
    case ERROR_LOCK_VIOLATION: return EAGAIN;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION: return ENOTSUP;
    default: return EIO;
    }
}

int lastError() {
    const int code = errnoOf(::GetLastError());
    return code ? code : EIO;
}

FileOutcome failed(int code, int& error) {
    error = code;
    if (code == ENOENT) return FileOutcome::Missing;
    if (code == EEXIST) return FileOutcome::Exists;
    return FileOutcome::Failed;
}

// Readers and appenders let each other in, and let a rename replace the file
// under them, as on POSIX.
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool isFolder(const fs::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Opens a name (following links) and keeps it only when it is a file on a
// disk: a pipe, a console or a device such as NUL is refused. Opening a pipe
// without its server fails at once, so nothing here waits.
HANDLE openCheckedRegular(const fs::path& path, DWORD access, DWORD disposition, std::uint64_t sizeLimit,
                          FileOutcome& outcome, int& error, std::uint64_t* size) {
    ::SetLastError(0);
    HANDLE handle = ::CreateFileW(path.c_str(), access, ShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (isFolder(path)) {
            error = EISDIR;
            outcome = FileOutcome::NotRegular;
        } else {
            const DWORD code = ::GetLastError();
            // A pipe that is busy or has no server.
            if (code == ERROR_PIPE_BUSY || code == ERROR_PIPE_NOT_CONNECTED) {
                error = ENXIO;
                outcome = FileOutcome::NotRegular;
            } else {
                outcome = failed(lastError(), error);
            }
        }
        return INVALID_HANDLE_VALUE;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CloseHandle(handle);
        outcome = FileOutcome::NotRegular;
        error = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR : EINVAL;
        return INVALID_HANDLE_VALUE;
    }
    const std::uint64_t length = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (length > sizeLimit) {
        ::CloseHandle(handle);
        outcome = FileOutcome::TooLarge;
        error = EFBIG;
        return INVALID_HANDLE_VALUE;
    }
    if (size) *size = length;
    outcome = FileOutcome::Done;
    error = 0;
    return handle;
}

bool writeAll(HANDLE handle, std::string_view bytes, int& error) {
    for (size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data() + done, chunk, &written, nullptr)) {
            error = lastError();
            return false;
        }
        if (written == 0) {
            error = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

bool syncHandle(HANDLE handle, int& error) {
    if (::FlushFileBuffers(handle)) return true;
    const DWORD code = ::GetLastError();
    // A file system that cannot flush has nothing more to give.
    if (code == ERROR_INVALID_FUNCTION || code == ERROR_NOT_SUPPORTED) return true;
    error = errnoOf(code);
    return false;
}

// A FILE* over a handle; the handle belongs to it afterwards.
std::FILE* streamOf(HANDLE handle, int flags, const char* mode) {
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = ::_fdopen(fd, mode);
    if (!file) ::_close(fd);
    return file;
}

// CREATE_NEW never opens an existing name, nor a link at the name (dangling
// or not): the name counts as taken.
HANDLE createExclusiveHandle(const fs::path& path, FileOutcome& outcome, int& error) {
    ::SetLastError(0);
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        outcome = failed(lastError(), error);
        return INVALID_HANDLE_VALUE;
    }
    outcome = FileOutcome::Done;
    error = 0;
    return handle;
}

bool moveReplacing(const fs::path& from, const fs::path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::wstring wideOf(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string narrowOf(std::wstring_view wide, UINT codePage) {
    if (wide.empty()) return std::string();
    const int n = ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                          nullptr);
    return text;
}

}  // namespace

int outcomeError(FileOutcome outcome) {
    switch (outcome) {
    case FileOutcome::Done: return 0;
    case FileOutcome::Missing: return ENOENT;
    case FileOutcome::NotRegular: return EINVAL;
    case FileOutcome::TooLarge: return EFBIG;
    case FileOutcome::Exists: return EEXIST;
    case FileOutcome::Failed: break;
    }
    return EIO;
}

std::FILE* openRegularFile(const fs::path& path, std::uint64_t sizeLimit, FileOutcome& outcome, int& error,
                           std::uint64_t* size) {
    HANDLE handle = openCheckedRegular(path, GENERIC_READ, OPEN_EXISTING, sizeLimit, outcome, error, size);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    std::FILE* file = streamOf(handle, _O_RDONLY, "rb");
    if (!file) outcome = failed(ENOMEM, error);
    return file;
}

FileOutcome readRegularFile(const fs::path& path, std::uint64_t sizeLimit, std::string& bytes, int& error) {
    bytes.clear();
    FileOutcome outcome;
    std::uint64_t size = 0;
    HANDLE handle = openCheckedRegular(path, GENERIC_READ, OPEN_EXISTING, sizeLimit, outcome, error, &size);
    if (handle == INVALID_HANDLE_VALUE) return outcome;
    // Sized once from the length found, then read on to the end (the file
    // may have grown meanwhile), never past the limit.
    bytes.resize(static_cast<size_t>(size) + 1);
    size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > sizeLimit) break;
            const std::uint64_t more = std::min<std::uint64_t>(std::max<size_t>(have / 2, 1 << 16),
                                                               sizeLimit - have + 1);
            bytes.resize(have + static_cast<size_t>(more));
        }
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - have, 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(handle, bytes.data() + have, chunk, &n, nullptr)) {
            const int code = lastError();
            ::CloseHandle(handle);
            bytes.clear();
            return failed(code, error);
        }
        if (n == 0) break;
        have += n;
    }
    ::CloseHandle(handle);
    if (have > sizeLimit) {
        bytes.clear();
        error = EFBIG;
        return FileOutcome::TooLarge;
    }
    bytes.resize(have);
    bytes.shrink_to_fit();
    error = 0;
    return FileOutcome::Done;
}

bool isRegularFile(const fs::path& path) {
    // Opened for no access at all: only what the name leads to is looked at.
    HANDLE handle = ::CreateFileW(path.c_str(), 0, ShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                  nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = ::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info) &&
                         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    ::CloseHandle(handle);
    return regular;
}

std::FILE* createFileExclusively(const fs::path& path, FileOutcome& outcome, int& error) {
    HANDLE handle = createExclusiveHandle(path, outcome, error);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    std::FILE* file = streamOf(handle, _O_WRONLY, "wb");
    if (!file) {
        outcome = failed(ENOMEM, error);
        ::DeleteFileW(path.c_str());
    }
    return file;
}

FileOutcome writeFreshFile(const fs::path& path, std::string_view bytes, int& error) {
    FileOutcome outcome;
    HANDLE handle = createExclusiveHandle(path, outcome, error);
    if (handle == INVALID_HANDLE_VALUE) return outcome;
    bool ok = writeAll(handle, bytes, error) && syncHandle(handle, error);
    if (!::CloseHandle(handle) && ok) {
        ok = false;
        error = lastError();
    }
    if (ok) return FileOutcome::Done;
    ::DeleteFileW(path.c_str());
    return failed(error, error);
}

FileOutcome writeFileWhole(const fs::path& target, std::string_view bytes, bool replaceExisting, int& error) {
    fs::path fresh;
    const FileOutcome outcome = writeFreshFileBeside(target, bytes, fresh, error);
    if (outcome != FileOutcome::Done) return outcome;
    // MoveFileExW renames a link at the target away rather than write
    // through it; without MOVEFILE_REPLACE_EXISTING a taken name is refused
    // in the same call, so no other writer slips in between.
    const BOOL moved = replaceExisting
                           ? moveReplacing(fresh, target)
                           : ::MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!moved) {
        const int code = lastError();
        ::DeleteFileW(fresh.c_str());
        return failed(code, error);
    }
    error = 0;
    return FileOutcome::Done;
}

FileOutcome renameDurably(const fs::path& from, const fs::path& to, int& error) {
    // MOVEFILE_WRITE_THROUGH returns once the rename is on the disk: the
    // folder needs no flush of its own.
    if (!moveReplacing(from, to)) return failed(lastError(), error);
    error = 0;
    return FileOutcome::Done;
}

FileOutcome removeDurably(const fs::path& path, int& error) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    // A link to a folder is removed as a folder entry.
    const bool folderLink = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                            (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (!(folderLink ? ::RemoveDirectoryW(path.c_str()) : ::DeleteFileW(path.c_str()))) {
        const int code = lastError();
        if (code == ENOENT) {
            error = 0;
            return FileOutcome::Done;
        }
        return failed(code, error);
    }
    error = 0;
    return FileOutcome::Done;
}

bool syncFolder(const fs::path& folder, int& error) {
    // Windows keeps a folder's entries with the renames written through
    // (MOVEFILE_WRITE_THROUGH); a folder cannot be flushed by itself.
    if (!isFolder(folder)) {
        error = ENOENT;
        return false;
    }
    return true;
}

namespace {

// The lock every appender and every holder of a lock file takes: one byte
// far past any end a file reaches. Windows' byte-range locks keep other
// handles from reading what they cover, so the lock covers no byte anyone
// reads: readers of the log go on reading while a program appends.
constexpr DWORD LockOffsetHigh = 0x40000000;

bool lockRange(HANDLE handle, bool wait) {
    OVERLAPPED where{};
    where.OffsetHigh = LockOffsetHigh;
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    return ::LockFileEx(handle, flags, 0, 1, 0, &where);
}

void unlockRange(HANDLE handle) {
    OVERLAPPED where{};
    where.OffsetHigh = LockOffsetHigh;
    ::UnlockFileEx(handle, 0, 1, 0, &where);
}

}  // namespace

FileOutcome appendUnderLock(const fs::path& path, std::string_view bytes, std::uint64_t& start, int& error) {
    FileOutcome outcome;
    HANDLE handle = openCheckedRegular(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, NoSizeLimit, outcome, error,
                                       nullptr);
    if (handle == INVALID_HANDLE_VALUE) return outcome;
    const bool locked = lockRange(handle, true);
    // The end is read under the lock: no other appender moves it meanwhile.
    LARGE_INTEGER end{};
    bool ok = ::GetFileSizeEx(handle, &end) && ::SetFilePointerEx(handle, end, nullptr, FILE_BEGIN);
    if (!ok) error = lastError();
    start = ok ? static_cast<std::uint64_t>(end.QuadPart) : 0;
    const bool positioned = ok;
    // A network share may only say at the flush that the write failed.
    ok = ok && writeAll(handle, bytes, error) && syncHandle(handle, error);
    if (!ok && positioned && locked) {
        // What a full disk left of these bytes is cut back while the lock
        // still keeps every other program's bytes off the file's end.
        int ignored = 0;
        if (::SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(handle))
            syncHandle(handle, ignored);
    }
    if (locked) unlockRange(handle);
    if (!::CloseHandle(handle) && ok) {
        ok = false;
        error = lastError();
    }
    if (ok) {
        error = 0;
        return FileOutcome::Done;
    }
    return failed(error ? error : EIO, error);
}

FileOutcome FileLock::acquire(const fs::path& lockFile, bool wait, int& error) {
    release();
    for (int pending = 0;;) {
        // FILE_FLAG_OPEN_REPARSE_POINT opens a link itself, to be refused.
        HANDLE handle = ::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, ShareAll, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD code = ::GetLastError();
            // A lock file its holder removed stays until every handle on it
            // is closed; its name is refused meanwhile, for a moment.
            if (code == ERROR_ACCESS_DENIED && !isFolder(lockFile) && ++pending < 2000) {
                ::Sleep(1);
                continue;
            }
            if (isFolder(lockFile)) {
                error = EISDIR;
                return FileOutcome::NotRegular;
            }
            return failed(errnoOf(code) ? errnoOf(code) : EACCES, error);
        }
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            ::CloseHandle(handle);
            error = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? ELOOP : EINVAL;
            return FileOutcome::NotRegular;
        }
        if (!lockRange(handle, wait)) {
            const DWORD code = ::GetLastError();
            ::CloseHandle(handle);
            if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) {
                error = EEXIST;
                return FileOutcome::Exists;
            }
            return failed(errnoOf(code) ? errnoOf(code) : EIO, error);
        }
        // The holder before may have removed the file while this one waited:
        // the lock is then on a file that goes once closed.
        FILE_STANDARD_INFO standard{};
        if (::GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) &&
            !standard.DeletePending) {
            handle_ = reinterpret_cast<std::intptr_t>(handle);
            path_ = lockFile;
            error = 0;
            return FileOutcome::Done;
        }
        unlockRange(handle);
        ::CloseHandle(handle);
    }
}

void FileLock::release() {
    if (handle_ < 0) return;
    HANDLE handle = reinterpret_cast<HANDLE>(handle_);
    // Removed while still locked, so that whoever waits notices and starts over.
    ::DeleteFileW(path_.c_str());
    unlockRange(handle);
    ::CloseHandle(handle);
    handle_ = -1;
    path_.clear();
}

std::string pathBytes(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path pathFromBytes(std::string_view bytes) { return fs::path(wideOf(bytes)); }

std::vector<std::string> programArguments(int argc, char** argv) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : arguments;
    // Qt may have taken its own switches out of argv: each argument left is
    // matched, in order, with the wide one it came from (argv holds it in
    // the ANSI code page, where a name may have lost characters).
    int at = 1;
    for (int i = 1; i < argc; ++i) {
        int found = -1;
        for (int w = at; w < count && found < 0; ++w)
            if (narrowOf(wide[w], CP_ACP) == argv[i]) found = w;
        if (found < 0) {
            // Not on the command line as given: taken from the ANSI code page.
            const std::string ansi = argv[i];
            std::wstring converted(ansi.size(), L'\0');
            converted.resize(static_cast<size_t>(::MultiByteToWideChar(
                CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), converted.data(),
                static_cast<int>(converted.size()))));
            arguments.push_back(narrowOf(converted, CP_UTF8));
            continue;
        }
        arguments.push_back(narrowOf(wide[found], CP_UTF8));
        at = found + 1;
    }
    ::LocalFree(wide);
    return arguments;
}

bool localTime(std::time_t when, std::tm& local) { return ::localtime_s(&local, &when) == 0; }

UserDataPlace userDataPlace() {
    UserDataPlace place;
    PWSTR folder = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder)) && folder)
        place.DataHome = fs::path(folder);
    ::CoTaskMemFree(folder);
    return place;
}

std::string dataFolderNameFor(std::string_view name) {
    std::string folder(name);
    if (!folder.empty() && folder[0] >= 'a' && folder[0] <= 'z') folder[0] = static_cast<char>(folder[0] - 'a' + 'A');
    return folder;
}

int folderReadError(const fs::path& folder) {
    WIN32_FIND_DATAW entry{};
    HANDLE search = ::FindFirstFileW((folder / L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        // An empty folder still lists "." and "..": nothing found means it
        // could be read.
        if (code == ERROR_FILE_NOT_FOUND && isFolder(folder)) return 0;
        if (!isFolder(folder) && ::GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return ENOTDIR;
        return errnoOf(code) ? errnoOf(code) : ENOENT;
    }
    ::FindClose(search);
    return 0;
}

unsigned long currentProcessNumber() { return ::GetCurrentProcessId(); }
