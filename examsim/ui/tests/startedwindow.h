// Test helper: a program folder with question banks (and a history log)
// and the exam simulator started in it, its window built but not shown.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "examsim/session/tests/sessiontestkit.h"
#include "examsim/ui/mainwindow.h"
#include "examsim/ui/startup.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

inline const char* const English = "Questions_Basic-English.txt";
inline const char* const French = "Questions_Base-Francais.txt";

// A program folder with some of the sample banks and, if given, a history log.
struct FolderSetup {
    std::vector<const char*> banks = {};
    std::string log = {};
    const char* locale = "en_CA";
    const char* arguments = "";
    // Further files written as they are: (name, bytes).
    std::vector<std::pair<std::string, std::string>> files = {};
};

class Started {
public:
    explicit Started(const FolderSetup& setup) : errors_(0) {
        for (const char* bank : setup.banks)
            folder_.write(bank, fileBytes(std::string(SAMPLES_DIR) + "/" + bank));
        if (!setup.log.empty()) folder_.write("Ulvorane_Log.txt", setup.log);
        for (const auto& [name, bytes] : setup.files) folder_.write(name, bytes);
        myReadStartupChoices(program, {setup.arguments, folder_.path(), setup.locale});
        started = myFindBanksAndHistory(program);
        if (!started) return;
        window = std::make_unique<MainWindow>(program, QRect(0, 0, 1600, 1000));
        // The bank shown first is read once the window runs its events.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    ~Started() {
        // Leave without the confirmation an exam under way would ask for.
        program.Session.Exam.ExamStage = StageNoExam;
        window.reset();
    }

    QComboBox* banks() const { return static_cast<QComboBox*>(window->control(2000)); }
    QString text(int id) const {
        QWidget* w = window->control(id);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->toPlainText();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        return {};
    }
    const std::vector<ShownBox>& errors() const { return errors_.boxes; }
    const TempFolder& folder() const { return folder_; }

    BoxAnswers boxes;
    ProgramState program;
    bool started = false;
    std::unique_ptr<MainWindow> window;

private:
    ErrorRecorder errors_;
    TempFolder folder_;
};

// Drives the session's clock: each answer a second after the last (past the
// double-click guard), always at the same local time.
inline void steadyClock(ProgramState& p) {
    auto now = std::make_shared<int64_t>(0);
    p.Session.Clock.systemTime = [now] { return *now += 10'000'000; };
    p.Session.Clock.localNow = [] { return LocalMoment{2024, 3, 5, 10, 20, 30, 0}; };
}

// Lets queued work run, after waiting ms first when given.
inline void settle(int ms = 0) {
    if (ms) QTest::qWait(ms);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The window shown with an exam drawn, answered at the steady clock; NEXT
// only when clicked.
inline void launchManually(Started& s) {
    steadyClock(s.program);
    s.program.Session.Exam.ManualAdvance = true;
    s.window->show();
    s.window->command(2006);
}

inline QString q(const char* utf8) { return QString::fromUtf8(utf8); }
