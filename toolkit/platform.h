// The operating system's side of files: every call whose form differs
// between POSIX and Windows sits behind these functions, and each side keeps
// the contract written here. Nothing in this header names a type of either
// system: paths are std::filesystem::path in the system's own form, texts
// are bytes, and failures are errno values on both sides (the Windows side
// maps its own codes onto them), so that messages of the form "err=& &"
// read the same everywhere.
//
// Folders may be shared (a classroom share, a folder several people write):
// a classmate may put a FIFO, a device or a link where a program reads or
// writes, and a power cut may hit at any moment. The contracts say what each
// function does then.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// How a call on a file ended. The error number beside it tells the rest.
enum class FileOutcome {
    Done,
    Missing,     // no file of that name (error ENOENT)
    NotRegular,  // a folder, FIFO, device or socket, or a link to one
    TooLarge,    // longer than the size the caller allows (error EFBIG)
    Exists,      // exclusive creation found the name taken (error EEXIST)
    Failed,      // anything else: see the error number
};

inline constexpr std::uint64_t NoSizeLimit = UINT64_MAX;

// Reading.

// Opens a file to be read from its start in binary mode. The open never
// blocks (a FIFO without a writer, a device that waits): the name is opened
// without waiting, then the file itself is checked, and only a regular file
// goes on; a link to a regular file is fine. A file longer than sizeLimit is
// refused with TooLarge. Returns the open file (the caller closes it), or
// nullptr with outcome and error set. The file's size at the open is put in
// size when given.
std::FILE* openRegularFile(const std::filesystem::path& path, std::uint64_t sizeLimit, FileOutcome& outcome,
                           int& error, std::uint64_t* size = nullptr);

// Reads a regular file whole into bytes under the same rules. A file that
// grows past sizeLimit while it is read is refused as well, so that nothing
// (a link to /dev/zero, a file still being appended to) is read without end.
FileOutcome readRegularFile(const std::filesystem::path& path, std::uint64_t sizeLimit, std::string& bytes,
                            int& error);

// True when the name leads to a regular file (following links), as the
// readers above require; false for anything else, or nothing.
bool isRegularFile(const std::filesystem::path& path);

// Writing.

// Creates a new file for writing in binary mode, exclusively: never an
// existing file, and never through a link (a link at the name, even one
// pointing nowhere, counts as taken: Exists). The file is created with the
// user's default permissions. Returns the open file or nullptr.
std::FILE* createFileExclusively(const std::filesystem::path& path, FileOutcome& outcome, int& error);

// Creates path exclusively as above, writes bytes to it, flushes it to the
// disk and closes it. On failure nothing of it is left under that name.
FileOutcome writeFreshFile(const std::filesystem::path& path, std::string_view bytes, int& error);

// Writes bytes under a fresh name of this program's own beside target, as
// writeFileWhole does before its rename: hidden from the programs' file
// lists, created exclusively (a name planted there is passed by for
// another), flushed to the disk and closed. fresh receives the name; on
// failure nothing of it is left. For a caller that renames several files
// into place in an order of its own.
FileOutcome writeFreshFileBeside(const std::filesystem::path& target, std::string_view bytes,
                                 std::filesystem::path& fresh, int& error);

// True when name (a file name, no folder) has the form of the fresh names
// given beside a target of file name targetName, by writeFreshFileBeside or
// writeFileWhole: what a crash left of them can be found and removed.
bool isFreshNameFor(const std::filesystem::path& name, const std::filesystem::path& targetName);

// Writes a file whole so that no reader ever finds it cut or empty: the
// bytes go to a fresh name of this program's own beside the target (created
// exclusively, hidden from the programs' file lists), are flushed to the
// disk, and the fresh file is then renamed to the target and the folder
// flushed. With replaceExisting the target is replaced, a link at the
// target included (the link goes, the file it pointed at is not touched);
// without it a taken target name ends in Exists and nothing changes. On any
// failure the target is as it was and the fresh file is gone.
FileOutcome writeFileWhole(const std::filesystem::path& target, std::string_view bytes, bool replaceExisting,
                           int& error);

// Renames from over to (replacing to, never following a link at to), then
// flushes the folder so that the rename survives a power cut.
FileOutcome renameDurably(const std::filesystem::path& from, const std::filesystem::path& to, int& error);

// Removes a name (a link is removed, not what it points at); a missing name
// is Done. The folder is flushed afterwards.
FileOutcome removeDurably(const std::filesystem::path& path, int& error);

// Flushes a folder's entries (names created, renamed or removed) to the disk.
// A file system that cannot flush folders is not an error.
bool syncFolder(const std::filesystem::path& folder, int& error);

// Appends bytes to a file in one write at its end, created when missing,
// while holding an exclusive advisory lock on the whole file that every
// program appending to it takes too (network shares carry it between
// machines; a share without locks still gets the single appending write).
// A link at the name is followed: the user may keep the file elsewhere. The
// open never blocks and only a regular file is written. The bytes are
// flushed to the disk before the lock is let go; when any of them cannot be
// written, the file is cut back to its earlier end. start receives the
// offset where the bytes begin.
FileOutcome appendUnderLock(const std::filesystem::path& path, std::string_view bytes, std::uint64_t& start,
                            int& error);

// Locks.

// An exclusive advisory lock between processes, of this machine or of any
// machine sharing the folder, named by a lock file. The lock file is
// created when missing and removed when the lock is released, so nothing
// stays behind after a normal end; after a crash the file stays, holds no
// lock (the system lets go of a dead process's locks) and the next holder
// takes it over and removes it. Whoever waits on a lock file removed
// meanwhile takes the lock on the file of that name again, never on a
// removed one.
class FileLock {
public:
    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // wait: block until the lock is free; else an immediate Exists when
    // another holds it. A link at the lock file's name is refused
    // (NotRegular) rather than followed.
    FileOutcome acquire(const std::filesystem::path& lockFile, bool wait, int& error);
    bool held() const { return handle_ >= 0; }
    // Removes the lock file and lets go of the lock.
    void release();

private:
    std::intptr_t handle_ = -1;
    std::filesystem::path path_;
};

// The error number an outcome stands for when the call gave none.
int outcomeError(FileOutcome outcome);
