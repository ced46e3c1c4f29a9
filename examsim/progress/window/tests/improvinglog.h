// A history log of a candidate who gets better: one question of each topic
// per session, more of them right from one session to the next. With
// drillEvery, every drillEvery-th session is instead a drill of the first
// twelve topics, all of them right.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/progress/tests/progresskit.h"
#include "examsim/session/figures.h"
#include "toolkit/text.h"

inline std::string improvingLog(const BankModel& bank, int sessions, int drillEvery = 0) {
    std::string log;
    for (int s = 0; s < sessions; ++s) {
        const bool drill = drillEvery > 0 && s % drillEvery == drillEvery - 1;
        std::vector<LoggedAnswer> answers;
        int right = 0;
        for (int t = 1; t <= (drill ? std::min(12, bank.TopicCount) : bank.TopicCount); ++t) {
            const TopicRecord& topic = bank.Topics[t];
            const int n = 1 + (s + t) % std::max<int>(topic.Count, 1);
            const int q = topic.Question[n].QuestionIndex;
            if (q == 0) continue;
            const int expected = bank.ExpectedAnswer[q][0] - '0';
            const bool ok = drill || (s * 37 + t * 11) % 100 < 30 + 60 * s / std::max(sessions - 1, 1);
            right += ok;
            answers.push_back({trimSpaces(bank.Designation[q]), expected, ok ? expected : expected % 4 + 1});
        }
        char date[32];
        std::snprintf(date, sizeof date, "2026/%02d/%02d 19:%02d", 1 + s / 28, 1 + s % 28, s % 60);
        const float ratio = answers.empty() ? 0.0f : static_cast<float>(right) / static_cast<float>(answers.size());
        log += logRecord(bank.CurrentBankTitle, date, myFormatMark(ratio), answers);
    }
    return log;
}

// One full exam, the first question of each topic, 81 of 100 right.
inline std::string oneExamAt81(const BankModel& bank) {
    std::vector<LoggedAnswer> answers;
    for (int t = 1; t <= bank.TopicCount; ++t) {
        const int q = bank.Topics[t].Question[1].QuestionIndex;
        if (q == 0) continue;
        const int expected = bank.ExpectedAnswer[q][0] - '0';
        const bool ok = (t * 37) % 100 < 81;
        answers.push_back({trimSpaces(bank.Designation[q]), expected, ok ? expected : expected % 4 + 1});
    }
    return logRecord(bank.CurrentBankTitle, "2026/01/05 19:30", "81%", answers);
}
