// Test kit of the session: a small bank filled in code, a recording view
// and a clock the test moves by hand.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examsession.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

struct TestQuestion {
    std::string designation;  // such as B-001-002-003
    char expected;            // '1'..'4'
    int lesson;               // lesson record number, 0 before any
};

// Lessons are given as {id, title}; record i is lessons[i-1].
inline void fillBank(BankModel& bank, const std::vector<TestQuestion>& questions,
                     const std::vector<std::pair<std::string, std::string>>& lessons,
                     const std::string& title = "Basic Test Bank") {
    clearBankModel(bank);
    resetAnswerLabels(bank);
    bank.CurrentBankTitle = title;
    for (size_t i = 0; i < lessons.size(); ++i) {
        int l = static_cast<int>(i) + 1;
        bank.Lessons[l].LessonId = fixedWidth(lessons[i].first, LessonIdWidth);
        bank.Lessons[l].LessonTitle = fixedWidth(lessons[i].second, LessonTitleWidth);
        bank.LessonIndex[l] = l;
        bank.LessonCount = l;
    }
    for (const TestQuestion& tq : questions) {
        int q = ++bank.QuestionCount;
        std::string topicKey = tq.designation.substr(0, 9);
        int n = static_cast<int>(leadingNumber(tq.designation.substr(10)));
        int t = 1;
        while (t <= bank.TopicCount && trimSpaces(bank.Topics[t].TopicKey) != topicKey) ++t;
        if (t > bank.TopicCount) {
            bank.TopicCount = t;
            bank.Topics[t].TopicKey = topicKey;
            bank.TopicOrder[t] = t;
        }
        bank.Topics[t].Count++;
        QuestionSlot& slot = bank.Topics[t].Question[n];
        slot.NbrWithinTopic = tq.designation.substr(10);
        slot.QuestionIndex = static_cast<int16_t>(q);
        slot.LessonNo = static_cast<uint8_t>(tq.lesson);
        bank.Designation[q] = tq.designation;
        bank.ExpectedAnswer[q] = std::string(1, tq.expected);
        bank.QuestionText[q] = "Question " + tq.designation + "?";
        for (int a = 1; a <= 4; ++a)
            bank.Answers[q][a] = std::to_string(a) + ". Answer " + std::to_string(a) + " of " + tq.designation;
        bank.Explanation[q] = "Because " + tq.designation + ".";
        bank.QuestionRef[q] = t * 16 + n;
    }
}

// Topics B-ttt-001 with perTopic questions each, expected answers cycling 1..4.
inline void fillFlatBank(BankModel& bank, int topics, int perTopic = 1) {
    std::vector<TestQuestion> qs;
    for (int t = 1; t <= topics; ++t)
        for (int n = 1; n <= perTopic; ++n)
            qs.push_back({"B-" + formatNumber(t, "000") + "-001-" + formatNumber(n, "000"),
                          static_cast<char>('1' + static_cast<int>(qs.size()) % 4), 0});
    fillBank(bank, qs, {});
}

struct RecordingView {
    std::vector<std::string> events;
    std::vector<std::pair<std::string, std::string>> asked, informed;
    bool answerYes = true;
    bool lessonMenu = true;
    bool explanationOpen = false;
    std::string lastFigure(int id) const {
        std::string prefix = "figure " + std::to_string(id) + " ";
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->rfind(prefix, 0) == 0) return it->substr(prefix.size());
        return "<none>";
    }
    bool saw(const std::string& event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }
    void attach(ExamView& view) {
        view.setIndicator = [this](int i, int s) { events.push_back("indicator " + std::to_string(i) + " " + std::to_string(s)); };
        view.setQuestionTexts = [this](const std::string& d, const std::string& q, const std::array<std::string, 4>& a) {
            events.push_back("texts " + d + " | " + q + " | " + a[0]);
        };
        view.showDefaultQuestionTexts = [this] { events.push_back("default texts"); };
        view.setFigure = [this](int id, const std::string& t) { events.push_back("figure " + std::to_string(id) + " " + t); };
        view.showExplanation = [this](const std::string& t) { events.push_back("explanation " + t); };
        view.showExplanationHint = [this] { events.push_back("explanation hint"); };
        view.explanationWindowOpen = [this] { return explanationOpen; };
        view.clearExplanationWindow = [this] { events.push_back("clear explanation window"); };
        view.postExplanationRefresh = [this] { events.push_back("post explanation refresh"); };
        view.acknowledgeClick = [this] { events.push_back("acknowledge"); };
        view.playSound = [this](const std::string& s) { events.push_back("sound " + s); };
        view.wait = [this](int ms) { events.push_back("wait " + std::to_string(ms)); };
        view.clickNextAfter = [this](int ms) { events.push_back("click next after " + std::to_string(ms)); };
        view.moveFocus = [this](FocusTarget f) {
            events.push_back(f == FocusTarget::StatusBox ? "focus status" : "focus question");
        };
        view.sayStatus = [this](const std::string& t) { events.push_back("say " + t); };
        view.setExamChoicesEnabled = [this](bool on) { events.push_back(on ? "choices on" : "choices off"); };
        view.lessonMenuEnabled = [this] { return lessonMenu; };
        view.setLessonMenuEnabled = [this](bool on) {
            lessonMenu = on;
            events.push_back(on ? "lesson menu on" : "lesson menu off");
        };
        view.setSeekCaption = [this](int f) { events.push_back("seek caption " + std::to_string(f)); };
        view.setMarkArmed = [this](bool on) { events.push_back(on ? "armed" : "disarmed"); };
        view.askYesNo = [this](const std::string& title, const std::string& text) {
            asked.push_back({title, text});
            return answerYes;
        };
        view.inform = [this](const std::string& title, const std::string& text) { informed.push_back({title, text}); };
    }
};

// A clock that only moves when the test says so.
struct ManualClock {
    int64_t ticks = 1'000'000'000;
    LocalMoment local{2014, 4, 25, 14, 30, 5, 250};
    void attach(SessionClock& clock) {
        clock.systemTime = [this] { return ticks; };
        clock.localNow = [this] { return local; };
    }
    void advanceSeconds(int s) {
        ticks += static_cast<int64_t>(s) * 10'000'000;
        int total = local.Hour * 3600 + local.Minute * 60 + local.Second + s;
        if (total >= 86400) {
            total -= 86400;
            ++local.Day;
        }
        local.Hour = total / 3600;
        local.Minute = total % 3600 / 60;
        local.Second = total % 60;
    }
};

// A session as the exam tests run it: program folder and log in `folder`,
// the bank titled `title` first in the catalogue, shown in the view and
// timed by the clock.
inline void attachSession(ExamSession& session, const std::filesystem::path& folder, RecordingView& view,
                          ManualClock& clock, const std::string& title = "Basic Test Bank") {
    session.ProgramFolder = folder;
    session.LogFilePath = folder / "Ulvorane_Log.txt";
    session.Catalogue.Titles = {"", fixedWidth(title, BankTitleWidth)};
    view.attach(session.View);
    clock.attach(session.Clock);
}

// The summary line a finished session leaves in the log for a bank, with its
// settings ("E1", "F2AM" and the like).
inline std::string summaryOf(const std::string& title, const std::string& settings) {
    return "~ " + title + " ~ 2014/04/25 14:30 ~ 80% ~  0=unans ~   3 Qstns ~  1=Mode ~ 64=Stage ~  1=ok~  "
           "1=wrg~  1=dk~ Elapsed 00:01:00 ~ " + settings + " ~\r\n";
}

inline std::string times(int n, const std::string& s) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

inline std::string fileBytes(const std::filesystem::path& path) {
    std::string bytes;
    int error = 0;
    readFileBytes(path, bytes, error);
    return bytes;
}
