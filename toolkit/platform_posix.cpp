// POSIX side of the files module (Linux, and any POSIX system).
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/platformside.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

int lastError(int fallback = EIO) { return errno ? errno : fallback; }

FileOutcome failed(int code, int& error) {
    error = code;
    if (code == ENOENT) return FileOutcome::Missing;
    if (code == EEXIST) return FileOutcome::Exists;
    return FileOutcome::Failed;
}

void closeKeepingErrno(int fd) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
}

// Opens without waiting (O_NONBLOCK: a FIFO without a writer, a terminal)
// and checks what was opened; the flag is taken off again for a regular
// file, where it means nothing but would confuse a later reader.
int openCheckedRegular(const fs::path& path, int flags, mode_t mode, std::uint64_t sizeLimit, FileOutcome& outcome,
                       int& error, std::uint64_t* size) {
    errno = 0;
    int fd;
    do fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A FIFO opened for writing without a reader says ENXIO, a folder
        // opened for writing EISDIR.
        if (errno == ENXIO || errno == EISDIR) {
            error = errno;
            outcome = FileOutcome::NotRegular;
        } else {
            outcome = failed(lastError(EACCES), error);
        }
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        outcome = failed(lastError(), error);
        closeKeepingErrno(fd);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        outcome = FileOutcome::NotRegular;
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    if (static_cast<std::uint64_t>(info.st_size) > sizeLimit) {
        ::close(fd);
        outcome = FileOutcome::TooLarge;
        error = EFBIG;
        return -1;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status >= 0) ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    if (size) *size = static_cast<std::uint64_t>(info.st_size);
    outcome = FileOutcome::Done;
    error = 0;
    return fd;
}

bool writeAll(int fd, std::string_view bytes, int& error) {
    for (size_t done = 0; done < bytes.size();) {
        errno = 0;
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n == 0 ? ENOSPC : lastError();
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool syncFd(int fd, int& error) {
    while (::fsync(fd) != 0) {
        if (errno == EINTR) continue;
        // A file system that cannot flush (some pseudo file systems) has
        // nothing more to give.
        if (errno == EINVAL || errno == ENOTSUP) return true;
        error = lastError();
        return false;
    }
    return true;
}

fs::path folderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

int createExclusiveFd(const fs::path& path, FileOutcome& outcome, int& error) {
    errno = 0;
    int fd;
    // O_EXCL never follows a link at the name, dangling or not.
    do fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        outcome = failed(lastError(EACCES), error);
        return -1;
    }
    outcome = FileOutcome::Done;
    error = 0;
    return fd;
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
    const int fd = openCheckedRegular(path, O_RDONLY, 0, sizeLimit, outcome, error, size);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        outcome = failed(lastError(ENOMEM), error);
        ::close(fd);
    }
    return file;
}

FileOutcome readRegularFile(const fs::path& path, std::uint64_t sizeLimit, std::string& bytes, int& error) {
    bytes.clear();
    FileOutcome outcome;
    std::uint64_t size = 0;
    const int fd = openCheckedRegular(path, O_RDONLY, 0, sizeLimit, outcome, error, &size);
    if (fd < 0) return outcome;
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
        errno = 0;
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int code = lastError();
            ::close(fd);
            bytes.clear();
            return failed(code, error);
        }
        if (n == 0) break;
        have += static_cast<size_t>(n);
    }
    ::close(fd);
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
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::FILE* createFileExclusively(const fs::path& path, FileOutcome& outcome, int& error) {
    const int fd = createExclusiveFd(path, outcome, error);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        outcome = failed(lastError(ENOMEM), error);
        ::close(fd);
        ::unlink(path.c_str());
    }
    return file;
}

FileOutcome writeFreshFile(const fs::path& path, std::string_view bytes, int& error) {
    FileOutcome outcome;
    const int fd = createExclusiveFd(path, outcome, error);
    if (fd < 0) return outcome;
    bool ok = writeAll(fd, bytes, error) && syncFd(fd, error);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = lastError();
    }
    if (ok) return FileOutcome::Done;
    ::unlink(path.c_str());
    return failed(error, error);
}

FileOutcome writeFileWhole(const fs::path& target, std::string_view bytes, bool replaceExisting, int& error) {
    fs::path fresh;
    const FileOutcome outcome = writeFreshFileBeside(target, bytes, fresh, error);
    if (outcome != FileOutcome::Done) return outcome;
    errno = 0;
    if (replaceExisting) {
        if (::rename(fresh.c_str(), target.c_str()) != 0) {
            const int code = lastError();
            ::unlink(fresh.c_str());
            return failed(code, error);
        }
    } else {
        // A hard link takes the name only when it is free; a file system
        // without hard links gets the free name checked just before.
        if (::link(fresh.c_str(), target.c_str()) != 0) {
            struct stat info {};
            if (errno == EEXIST || ::lstat(target.c_str(), &info) == 0) {
                ::unlink(fresh.c_str());
                return failed(EEXIST, error);
            }
            errno = 0;
            if (::rename(fresh.c_str(), target.c_str()) != 0) {
                const int code = lastError();
                ::unlink(fresh.c_str());
                return failed(code, error);
            }
        } else {
            ::unlink(fresh.c_str());
        }
    }
    int ignored = 0;
    syncFolder(folderOf(target), ignored);
    error = 0;
    return FileOutcome::Done;
}

FileOutcome renameDurably(const fs::path& from, const fs::path& to, int& error) {
    errno = 0;
    if (::rename(from.c_str(), to.c_str()) != 0) return failed(lastError(), error);
    if (!syncFolder(folderOf(to), error)) return FileOutcome::Failed;
    return FileOutcome::Done;
}

FileOutcome removeDurably(const fs::path& path, int& error) {
    errno = 0;
    if (::unlink(path.c_str()) != 0) {
        if (errno == ENOENT) {
            error = 0;
            return FileOutcome::Done;
        }
        return failed(lastError(), error);
    }
    if (!syncFolder(folderOf(path), error)) return FileOutcome::Failed;
    return FileOutcome::Done;
}

bool syncFolder(const fs::path& folder, int& error) {
    errno = 0;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = lastError();
        return false;
    }
    bool ok = true;
    while (::fsync(fd) != 0) {
        if (errno == EINTR) continue;
        if (errno != EINVAL && errno != ENOTSUP && errno != EBADF) {
            error = lastError();
            ok = false;
        }
        break;
    }
    ::close(fd);
    return ok;
}

namespace {

bool lockWhole(int fd, bool wait) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    while (::fcntl(fd, wait ? F_SETLKW : F_SETLK, &lock) != 0)
        if (errno != EINTR) return false;
    return true;
}

}  // namespace

FileOutcome appendUnderLock(const fs::path& path, std::string_view bytes, std::uint64_t& start, int& error) {
    FileOutcome outcome;
    const int fd = openCheckedRegular(path, O_WRONLY | O_APPEND | O_CREAT, 0666, NoSizeLimit, outcome, error, nullptr);
    if (fd < 0) return outcome;
    const bool locked = lockWhole(fd, true);
    const off_t end = ::lseek(fd, 0, SEEK_END);
    start = end >= 0 ? static_cast<std::uint64_t>(end) : 0;
    bool ok = end >= 0;
    if (!ok) error = lastError();
    // A network share may only say at the flush that the write failed.
    ok = ok && writeAll(fd, bytes, error) && syncFd(fd, error);
    if (!ok && end >= 0 && locked) {
        // What a full disk left of these bytes is cut back while the lock
        // still keeps every other program's bytes off the file's end.
        if (::ftruncate(fd, end) == 0) syncFd(fd, error);
    }
    if (::close(fd) != 0 && ok) {
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
    for (;;) {
        errno = 0;
        int fd;
        do fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            if (errno == ELOOP) {
                error = ELOOP;
                return FileOutcome::NotRegular;
            }
            return failed(lastError(EACCES), error);
        }
        struct stat held {};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            error = EINVAL;
            return FileOutcome::NotRegular;
        }
        if (!lockWhole(fd, wait)) {
            const int code = lastError();
            ::close(fd);
            if (code == EAGAIN || code == EACCES) {
                error = EEXIST;
                return FileOutcome::Exists;
            }
            return failed(code, error);
        }
        // The holder before may have removed the file while this one waited:
        // the lock is then on a file no one else will open.
        struct stat named {};
        if (::lstat(lockFile.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            handle_ = fd;
            path_ = lockFile;
            error = 0;
            return FileOutcome::Done;
        }
        ::close(fd);
    }
}

void FileLock::release() {
    if (handle_ < 0) return;
    // Removed while still locked, so that whoever waits notices and starts over.
    ::unlink(path_.c_str());
    ::close(static_cast<int>(handle_));
    handle_ = -1;
    path_.clear();
}

std::string pathBytes(const fs::path& path) { return path.native(); }

fs::path pathFromBytes(std::string_view bytes) { return fs::path(std::string(bytes)); }

std::vector<std::string> programArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

bool localTime(std::time_t when, std::tm& local) { return ::localtime_r(&when, &local) != nullptr; }

UserDataPlace userDataPlace() {
    UserDataPlace place;
    if (const char* value = std::getenv("XDG_DATA_HOME")) place.DataHome = value;
    // $HOME when it names a folder; unset, empty or relative (which would
    // put the data folder under wherever the program was started), the home
    // folder of the user's password entry.
    const char* home = std::getenv("HOME");
    if (home && fs::path(home).is_absolute()) {
        place.Home = home;
        return place;
    }
    struct passwd entry {};
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && fs::path(found->pw_dir).is_absolute())
        place.Home = found->pw_dir;
    return place;
}

std::string dataFolderNameFor(std::string_view name) { return std::string(name); }

int folderReadError(const fs::path& folder) {
    errno = 0;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return errno ? errno : ENOENT;
    ::closedir(dir);
    return 0;
}

unsigned long currentProcessNumber() { return static_cast<unsigned long>(::getpid()); }
