#include "logging.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "historylog.h"
#include "text.h"

namespace {

// The lock every program takes on the whole log while it appends: an fcntl
// record lock, which network file systems carry between machines.
bool lockLog(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    while (::fcntl(fd, F_SETLKW, &lock) != 0)
        if (errno != EINTR) return false;
    return true;
}

// Writes the bytes at the end; a short write (a disk filling up) is carried
// on, so only a true failure stops it.
bool appendAll(int fd, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

LogOutcome myLogSession(const LogJob& job) {
    LogOutcome outcome;
    // Programs sharing the log (a class's folder, or the program started
    // twice) append at the same time: each record goes whole, in one write
    // on a file opened for appending, under the log's lock.
    std::string record = job.SummaryLine + CRLF;
    for (const std::string& line : job.QuestionLines) record += line + CRLF;
    record += CRLF;

    errno = 0;
    const int fd = ::open(job.LogPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        outcome.LogError = errno ? errno : EACCES;
        return outcome;
    }
    // A share that keeps no locks still gets the one appending write.
    const bool locked = lockLog(fd);
    const off_t start = ::lseek(fd, 0, SEEK_END);
    outcome.SummaryPosition = start;
    bool ok = start >= 0 && appendAll(fd, record);
    // A network share may only say at the flush that the write failed.
    ok = ok && ::fdatasync(fd) == 0;
    int error = ok ? 0 : (errno ? errno : EIO);
    if (!ok && start >= 0 && locked) {
        // What a full disk left of this record is cut back while the lock
        // still keeps every other program's record off the log's end.
        if (::ftruncate(fd, start) != 0) error = error ? error : errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno ? errno : EIO;
    }
    if (!ok) {
        outcome.LogError = error ? error : EIO;
        // The name kept for the report stays free.
        std::error_code ignored;
        if (std::filesystem::file_size(job.ReportPath, ignored) == 0)
            std::filesystem::remove(job.ReportPath, ignored);
        return outcome;
    }
    outcome.LogWritten = true;

    errno = 0;
    // The name was kept for this report, an empty file, when the job was
    // made (myUniqueReportName): no other report is replaced.
    std::FILE* report = std::fopen(job.ReportPath.c_str(), "wb");
    if (!report) {
        outcome.ReportError = errno ? errno : EACCES;
        return outcome;
    }
    size_t written = std::fwrite(job.ReportBytes.data(), 1, job.ReportBytes.size(), report);
    int closed = std::fclose(report);
    if (written != job.ReportBytes.size() || closed != 0) {
        outcome.ReportError = errno ? errno : EIO;
        return outcome;
    }
    outcome.ReportWritten = true;
    return outcome;
}

LoggingThread::~LoggingThread() {
    if (thread_.joinable()) thread_.join();
}

void LoggingThread::start(LogJob job, std::function<void()> finished) {
    if (thread_.joinable()) thread_.join();
    job_ = std::move(job);
    outcome_ = LogOutcome{};
    thread_ = std::thread([this, finished = std::move(finished)] {
        outcome_ = myLogSession(job_);
        if (finished) finished();
    });
}

std::optional<std::pair<LogJob, LogOutcome>> LoggingThread::collect() {
    if (!thread_.joinable()) return std::nullopt;
    thread_.join();
    return std::make_pair(std::move(job_), outcome_);
}
