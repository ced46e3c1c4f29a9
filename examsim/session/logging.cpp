#include "examsim/session/logging.h"

#include <filesystem>

#include "examsim/session/missedreport.h"
#include "toolkit/paths.h"
#include "toolkit/platform.h"
#include "toolkit/text.h"

LogOutcome myLogSession(const LogJob& job) {
    LogOutcome outcome;
    // Programs sharing the log (a class's folder, or the program started
    // twice) append at the same time: each record goes whole, in one write
    // at the log's end under its lock, and what a full disk left of it is
    // cut back. A FIFO or a device at the log's name is refused, never
    // waited on.
    std::string record = job.SummaryLine + CRLF;
    for (const std::string& line : job.QuestionLines) record += line + CRLF;
    record += CRLF;

    std::uint64_t start = 0;
    const FileOutcome logged = appendUnderLock(job.LogPath, record, start, outcome.LogError);
    if (logged != FileOutcome::Done) {
        outcome.LogRefusal = logged;
        if (outcome.LogError == 0) outcome.LogError = outcomeError(logged);
        return outcome;
    }
    outcome.SummaryPosition = static_cast<long long>(start);
    outcome.LogWritten = true;

    // The report appears whole or not at all: written under a fresh name,
    // flushed, then given its own name, which it never takes from another
    // report. Another program that ended an exam in the same minute and
    // took the name first sends this one to the next free name.
    outcome.ReportPath = job.ReportPath;
    for (int attempt = 1;; ++attempt) {
        const FileOutcome written = writeFileWhole(outcome.ReportPath, job.ReportBytes, false, outcome.ReportError);
        if (written == FileOutcome::Done) break;
        if (written != FileOutcome::Exists || attempt >= 100) {
            if (outcome.ReportError == 0) outcome.ReportError = outcomeError(written);
            return outcome;
        }
        const std::filesystem::path folder = job.ReportPath.parent_path();
        outcome.ReportPath = folder / pathFromLatin1(myUniqueReportName(folder, job.ReportBaseName));
    }
    outcome.ReportError = 0;
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
