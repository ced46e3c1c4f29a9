#include "logging.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "historylog.h"
#include "text.h"

LogOutcome myLogSession(const LogJob& job) {
    LogOutcome outcome;
    errno = 0;
    std::FILE* log = std::fopen(job.LogPath.c_str(), "ab");
    if (!log) {
        outcome.LogError = errno ? errno : EACCES;
        return outcome;
    }
    std::fseek(log, 0, SEEK_END);
    outcome.SummaryPosition = std::ftell(log);
    bool ok = writeLine(log, job.SummaryLine);
    for (const std::string& line : job.QuestionLines) ok = ok && writeLine(log, line);
    ok = ok && writeLine(log, "");
    if (std::fclose(log) != 0) ok = false;
    if (!ok) {
        outcome.LogError = errno ? errno : EIO;
        // A disk that fills up mid-record leaves part of it behind, and the
        // next session would be appended to that torn line: cut the log
        // back to the history it held before.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(job.LogPath, ignored))
            std::filesystem::resize_file(job.LogPath, static_cast<std::uintmax_t>(outcome.SummaryPosition), ignored);
        return outcome;
    }
    outcome.LogWritten = true;

    errno = 0;
    // "x": an earlier report of the same name is never replaced.
    std::FILE* report = std::fopen(job.ReportPath.c_str(), "wbx");
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
