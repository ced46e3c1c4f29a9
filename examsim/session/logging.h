// The logging thread: appends the session to the history log and writes
// the missed-questions report while the window stays responsive.
//
// Everything the thread writes is prepared beforehand on the window's
// thread (a LogJob), so the thread never reads the exam or the bank while
// the window may change them, and whatever it learns (file position of the
// record, failures) comes back as a LogOutcome applied on the window's
// thread: the thread itself shows no window and touches no shared table.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "toolkit/platform.h"

struct LogJob {
    std::filesystem::path LogPath;
    std::string SummaryLine;
    std::vector<std::string> QuestionLines;
    std::filesystem::path ReportPath;
    std::string ReportBaseName;  // the report's name before any "_2" (Latin-1)
    std::string ReportBytes;
    // Answered questions (index, answered right) for the in-memory history.
    std::vector<std::pair<int, bool>> Answers;
    int CatalogueBank = 0;  // column of the catalogue the session belongs to
};

struct LogOutcome {
    bool LogWritten = false;
    long long SummaryPosition = 0;  // where the session's summary line begins
    int LogError = 0;
    FileOutcome LogRefusal = FileOutcome::Done;  // how the log's append ended
    bool ReportWritten = false;
    int ReportError = 0;
    // Where the report went: the job's name, or the next free one when
    // another program took that name meanwhile.
    std::filesystem::path ReportPath;
};

// The thread body: writes the record, then (only if that worked) the report.
LogOutcome myLogSession(const LogJob& job);

class LoggingThread {
public:
    LoggingThread() = default;
    ~LoggingThread();
    LoggingThread(const LoggingThread&) = delete;
    LoggingThread& operator=(const LoggingThread&) = delete;

    // Starts the body on a new thread; `finished` runs on that thread when
    // the body is done (it may only post work to the window).
    void start(LogJob job, std::function<void()> finished);
    // Waits without limit; returns the job and outcome of a thread that was
    // running or finished and not collected yet.
    std::optional<std::pair<LogJob, LogOutcome>> collect();
    bool pending() const { return thread_.joinable(); }

private:
    std::thread thread_;
    LogJob job_;
    LogOutcome outcome_;
};
