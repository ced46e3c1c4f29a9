// Test kit of the progress figures: history log records written the way
// the logging thread writes them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "examsim/session/historylog.h"
#include "toolkit/text.h"

// An answer in a logged session: designation, expected answer, given (0 none, 5 "Don't know").
struct LoggedAnswer {
    std::string designation;
    int expected;
    int given;
};

inline std::string logSummary(const std::string& title, const std::string& date, const std::string& mark,
                              int questions, int mode = 1) {
    std::string q = std::to_string(questions);
    return "~ " + title + " ~ " + date + " ~ " + mark + " ~  0=unans ~ " + std::string(3 - q.size(), ' ') + q +
           " Qstns ~  " + std::to_string(mode) + "=Mode ~ 64=Stage ~  1=ok~  1=wrg~  0=dk~ Elapsed 00:10:00 ~ E1 ~";
}

// A whole session record: summary line, question lines of 25 entries
// completed with filler, an empty line; CR LF line ends.
inline std::string logRecord(const std::string& title, const std::string& date, const std::string& mark,
                             const std::vector<LoggedAnswer>& answers, int mode = 1) {
    std::string out = logSummary(title, date, mark, static_cast<int>(answers.size()), mode) + CRLF;
    std::string line;
    for (size_t i = 0; i < answers.size(); ++i) {
        const LoggedAnswer& a = answers[i];
        line += fixedWidth(a.designation, 13);
        line += static_cast<char>('a' + 6 * (a.expected - 1) + a.given);
        if ((i + 1) % EntriesPerLogLine == 0) out += line + CRLF, line.clear();
    }
    if (!line.empty()) {
        while (line.size() < EntriesPerLogLine * LogEntryWidth) line += std::string(13, '.') + "S";
        out += line + CRLF;
    }
    return out + CRLF;
}
