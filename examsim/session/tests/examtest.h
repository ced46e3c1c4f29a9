// The exam fixture shared by the session's whole-exam tests: a three-topic
// bank with lessons out of code order, a session on a scratch folder, the
// recording view and a clock the test moves.
#pragma once

#include <gtest/gtest.h>

#include "examsim/session/examsession.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

class ExamTest : public ::testing::Test {
protected:
    void SetUp() override { setUpBank(); }

    void setUpBank() {
        // Lesson records out of code order, so the report must sort them.
        fillBank(bank,
                 {{"B-001-001-001", '2', 2}, {"B-001-002-001", '3', 1}, {"B-002-001-001", '1', 2}},
                 {{"L02", "Theory"}, {"L01", "Rules"}});
        mySortList(bank.LessonIndex, bank.LessonCount, 'L', bank);
        attachSession(session, dir.path(), view, clock);
    }

    void click(int answer, int afterSeconds = 1) {
        clock.advanceSeconds(afterSeconds);
        myAnswerChosen(session, bank, answer);
    }
    void go(Navigation where) { myNavigate(session, bank, where); }
    ExamRecord& exam() { return session.Exam; }

    TempFolder dir;
    ErrorRecorder errors;
    BankModel bank;
    RecordingView view;
    ManualClock clock;
    ExamSession session;
};
