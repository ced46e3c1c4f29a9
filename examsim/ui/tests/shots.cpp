// Renders the main window to PNG for looking at: both layouts, both
// languages, with the sample banks loaded, an exam under way, and shrunk to
// a small work area; plus the resource pictures enlarged.
//
//   examsim_ui_shots <samples folder> <output folder> [department's delimited file]
#include <QApplication>
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <QCheckBox>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "examsim/bank/bankreader.h"
#include "examsim/import/tests/zipkit.h"
#include "examsim/progress/window/progresswindow.h"
#include "examsim/progress/window/tests/improvinglog.h"
#include "examsim/ui/lessondialog.h"
#include "examsim/ui/mainwindow.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/startup.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/uicontext.h"

namespace {

QString out;

void save(QWidget* w, const QString& name) {
    w->grab().save(out + "/" + name + ".png");
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

std::unique_ptr<MainWindow> start(ProgramState& p, const QString& folder, const std::string& args,
                                  const std::string& locale, const QRect& workArea) {
    StartupInput in{args, folder.toStdString(), locale};
    myReadStartupChoices(p, in);
    if (!myFindBanksAndHistory(p)) return nullptr;
    auto w = std::make_unique<MainWindow>(p, workArea);
    w->show();
    settle();
    if (p.Shelf.LoadedBank == 0) {
        // Several banks and no history: choose the first as a user would.
        auto* banks = static_cast<QComboBox*>(w->control(2000));
        banks->setCurrentIndex(0);
        w->command(2000);
        settle();
    }
    return w;
}

void answer(MainWindow& w, int id) {
    static_cast<QAbstractButton*>(w.control(id))->click();
    settle();
}

void shoot(const QString& folder, bool simplified, int language, const QString& name) {
    ProgramState p;
    auto w = start(p, folder, simplified ? "/S" : "", language ? "fr_CA" : "en_CA",
                   QRect(0, 0, 1600, 1000));
    if (!w) return;
    save(w.get(), name + "-loaded");
    answer(*w, 2006);
    save(w.get(), name + "-launched");
    p.Session.Clock.systemTime = [] {
        static int64_t t = 0;
        return t += 10'000'000;
    };
    answer(*w, simplified ? 2041 : 2023);
    QTest::qWait(500);
    settle();
    answer(*w, simplified ? 2009 : 2009);
    save(w.get(), name + "-answered");
    w->command(CmdFrench);
    settle();
    save(w.get(), name + "-switched");
    p.Session.Exam.ExamStage = StageNoExam;  // close without the confirmation
}

// A whole exam marked as it went (one in three answers wrong, one "Don't
// know"), shown on a missed question; in the normal layout with the
// explanation window over it, then the help box and the lesson dialog.
// Launches an exam without automatic advance, on a clock that moves one
// second at each reading from zero, so that the elapsed time shown is the
// same at every run.
ExamRecord& launchOnTickingClock(ProgramState& p, MainWindow& w) {
    p.Session.Clock.systemTime = [t = int64_t{0}]() mutable { return t += 10'000'000; };
    ExamRecord& exam = p.Session.Exam;
    exam.ManualAdvance = true;
    w.command(2006);
    return exam;
}

void shootMarked(const QString& folder, bool simplified, const QString& name, int language = 0) {
    ProgramState p;
    auto w = start(p, folder, simplified ? "/S" : "", language ? "fr_CA" : "en_CA", QRect(0, 0, 1600, 1000));
    if (!w) return;
    // The box of the mark, with the line on the pass mark under it.
    auto kept = modalAnswerer();
    modalAnswerer() = [&](const ModalRequest& r) -> std::optional<int> {
        if (r.Dialog && r.Text.find("%") != std::string::npos) {
            r.Dialog->show();
            settle();
            save(r.Dialog, name + "-mark");
        }
        return 1;
    };
    ExamRecord& exam = launchOnTickingClock(p, *w);
    for (int pos = 1; pos <= exam.ExamSize; ++pos) {
        const int right = p.Bank.ExpectedAnswer[exam.ExamOrder[pos]][0] - '0';
        const int answer = pos == 4 ? 5 : pos % 3 == 2 ? right % 4 + 1 : right;
        w->command((simplified ? 2039 : 2021) + answer);
        w->command(2010);
    }
    settle();
    modalAnswerer() = kept;
    w->command(2008);
    w->command(2010);  // position 2: a wrong answer
    settle();
    save(w.get(), name);
    if (language) return;
    if (simplified) {
        w->command(CmdHelp);
        settle();
        if (InfoBox* help = w->infoBox(1)) save(help, "help-simplified");
        return;
    }
    w->command(2012);
    settle();
    if (ExplanationWindow* e = w->explanationWindow()) {
        save(e, "explanation");
        // As it sits over the main window.
        QPixmap both = w->grab();
        QPainter painter(&both);
        const QPoint at = e->pos() - w->pos();
        painter.drawPixmap(at.x(), std::max(at.y(), 0), e->grab());
        painter.end();
        both.save(out + "/" + name + "-explanation.png");
    }
    w->command(CmdHelp);
    settle();
    if (InfoBox* help = w->infoBox(1)) {
        save(help, "help");
        // And at the paragraph on where the files are kept.
        if (auto* box = help->findChild<QPlainTextEdit*>()) {
            // From the end, so that the paragraph comes up to the top.
            box->moveCursor(QTextCursor::End);
            box->ensureCursorVisible();
            box->find(QStringLiteral("Where the files"), QTextDocument::FindBackward);
            box->ensureCursorVisible();
            settle();
            save(help, "help-files");
        }
    }
    w->command(CmdAbout);
    settle();
    if (InfoBox* about = w->infoBox(2)) save(about, "about");
    auto saved = modalAnswerer();
    modalAnswerer() = [](const ModalRequest& r) -> std::optional<int> {
        if (auto* d = qobject_cast<LessonDialog*>(r.Dialog)) {
            for (int i = 1; i <= 3; ++i)
                if (QCheckBox* b = d->lessonBox(i)) b->click();
            d->show();
            settle();
            save(d, "lessons");
        }
        return 0;
    };
    exam.ExamStage = StageOver;
    w->command(CmdLessons);
    modalAnswerer() = saved;
}

// Menu `index` open over the window with `active` under the pointer.
void saveMenu(MainWindow* w, int index, int active, const QString& file) {
    QMenu* menu = w->menu(index);
    menu->popup(w->mapToGlobal(w->menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    menu->setActiveAction(w->menuAction(active));
    settle();
    QPixmap both = w->grab();
    QPainter painter(&both);
    painter.drawPixmap(menu->pos() - w->pos(), menu->grab());
    painter.end();
    both.save(out + "/" + file + ".png");
    menu->hide();
}

// A history of about thirty sessions with drills among them: the progress
// window with its next step, then the main window once its button has
// restricted the selection to those lessons and launched an exam.
void shootPractised(const QString& samples, bool simplified, int language, const QString& name) {
    BankModel bank;
    std::string unused;
    const QString english = samples + "/Questions_Basic-English.txt";
    if (!myReadQuestionBank(bank, english.toStdString(), FullRead, unused)) return;
    QTemporaryDir folder;
    QFile::copy(english, folder.path() + "/Questions_Basic-English.txt");
    QFile log(folder.path() + "/Ulvorane_Log.txt");
    if (!log.open(QIODevice::WriteOnly)) return;
    const std::string bytes = improvingLog(bank, 30, 4);
    log.write(bytes.data(), static_cast<qint64>(bytes.size()));
    log.close();
    ProgramState p;
    auto w = start(p, folder.path(), simplified ? "/S" : "", language ? "fr_CA" : "en_CA", QRect(0, 0, 1600, 1000));
    if (!w) return;
    // The log remembers the language of its last session: English here.
    if (uiContext().InterfaceLanguage != language) w->command(2015);
    w->command(CmdProgress);
    settle();
    ProgressWindow* progress = w->progressWindow();
    if (!progress) return;
    save(progress, name + "-progress");
    p.Session.Clock.systemTime = [t = int64_t{0}]() mutable { return t += 10'000'000; };
    p.Session.Exam.ManualAdvance = true;
    progress->practiseButton()->click();
    settle();
    save(w.get(), name);
    // The drill answered to its end (two in three right): the box of its
    // lessons' scores, then the line beside Launch with "Full exam", and
    // the progress window offering both.
    auto kept = modalAnswerer();
    modalAnswerer() = [&](const ModalRequest& r) -> std::optional<int> {
        if (r.Dialog && r.Text.find("%") != std::string::npos) {
            r.Dialog->show();
            settle();
            save(r.Dialog, name + "-end");
        }
        return 1;
    };
    ExamRecord& exam = p.Session.Exam;
    for (int pos = 1; pos <= exam.ExamSize; ++pos) {
        const int right = p.Bank.ExpectedAnswer[exam.ExamOrder[pos]][0] - '0';
        w->command((simplified ? 2039 : 2021) + (pos % 3 == 2 ? right % 4 + 1 : right));
        w->command(2010);
    }
    settle();
    modalAnswerer() = kept;
    save(w.get(), name + "-after");
    w->command(CmdProgress);
    settle();
    if (ProgressWindow* again = w->progressWindow()) save(again, name + "-progress-after");
    p.Session.Exam.ExamStage = StageNoExam;
}

// The File menu open over the window, then the import of a pool from its
// ZIP archive, with the message that ends it, and the Tools menu after it
// (Progress... follows the bank the import loaded).
void shootImport(const QString& folder, int language, const std::string& pool, const QString& name) {
    ProgramState p;
    auto w = start(p, folder, "", language ? "fr_CA" : "en_CA", QRect(0, 0, 1600, 1000));
    if (!w) return;
    saveMenu(w.get(), 0, CmdImportBank, name + "-menu");

    QTemporaryDir downloads;
    const QString zip = downloads.path() + "/amat_basic_quest.zip";
    QFile f(zip);
    if (!f.open(QIODevice::WriteOnly)) return;
    const std::string bytes = makeZip({{"amat_basic_quest_delim2025.txt", pool}});
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    auto saved = modalAnswerer();
    modalAnswerer() = [&](const ModalRequest& r) -> std::optional<int> {
        if (auto* dialog = qobject_cast<QFileDialog*>(r.Dialog)) {
            dialog->selectFile(zip);
            return QDialog::Accepted;
        }
        if (r.Dialog && r.Title.find(" - Import") != std::string::npos) {
            r.Dialog->show();
            settle();
            save(r.Dialog, name + "-message");
        }
        return 1;
    };
    w->command(CmdImportBank);
    settle();
    save(w.get(), name + "-imported");
    modalAnswerer() = saved;
    saveMenu(w.get(), 1, CmdProgress, name + "-tools");
}

// Seek on in French, where the navigation captions need their two lines.
void shootSeek(const QString& folder, bool simplified, const QString& name) {
    ProgramState p;
    auto w = start(p, folder, simplified ? "/S" : "", "fr_CA", QRect(0, 0, 1600, 1000));
    if (!w) return;
    // The log of the shots before may have asked for English.
    if (uiContext().InterfaceLanguage != 1) w->command(CmdFrench);
    settle();
    w->command(2006);
    static_cast<QAbstractButton*>(w->control(2004))->click();
    settle();
    save(w.get(), name);
    p.Session.Exam.ExamStage = StageNoExam;
}

// A whole exam under review, then another bank chosen in the list.
void shootBankChange(const QString& folder, bool simplified, const QString& name) {
    ProgramState p;
    auto w = start(p, folder, simplified ? "/S" : "", "en_CA", QRect(0, 0, 1600, 1000));
    if (!w || p.Shelf.BankCount < 2) return;
    ExamRecord& exam = launchOnTickingClock(p, *w);
    for (int pos = 1; pos <= exam.ExamSize; ++pos) {
        w->command((simplified ? 2039 : 2021) + (pos % 2 ? 1 : 2));
        w->command(2010);
    }
    w->command(2008);
    settle();
    save(w.get(), name + "-review");
    myWaitForLogging(p.Session, p.Bank);
    auto* banks = static_cast<QComboBox*>(w->control(2000));
    banks->setCurrentIndex(p.Shelf.LoadedBank == 1 ? 1 : 0);
    w->command(2000);
    settle();
    w->command(2010);
    settle();
    save(w.get(), name + "-changed");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: examsim_ui_shots <samples folder> <output folder> [department's delimited file]\n");
        return 2;
    }
    // Without banks every picture would show the empty window: say so instead.
    const QString samples = QString::fromLocal8Bit(argv[1]);
    const QStringList banks = QDir(samples).entryList({"Questions_*.txt"}, QDir::Files);
    if (banks.isEmpty()) {
        std::fprintf(stderr, "examsim_ui_shots: no question bank (Questions_*.txt) in %s\n", argv[1]);
        return 1;
    }
    out = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "examsim_ui_shots: cannot create the folder %s\n", argv[2]);
        return 1;
    }
    modalAnswerer() = [](const ModalRequest&) -> std::optional<int> { return 1; };

    QTemporaryDir dir;
    for (const QString& f : banks) QFile::copy(samples + "/" + f, dir.path() + "/" + f);

    shoot(dir.path(), false, 0, "normal-en");
    shoot(dir.path(), false, 1, "normal-fr");
    shoot(dir.path(), true, 0, "simplified-en");
    shoot(dir.path(), true, 1, "simplified-fr");
    {
        // The department's pool when given, else two questions in its layout.
        std::string pool = "question_id ;q;a;w1;w2;w3;qf;af;wf1;wf2;wf3\r\n"
                           "B-001-001-001;Who?;Me;A;B;C;Qui ?;Moi;A;B;C\r\n"
                           "B-002-001-001;What?;This;A;B;C;Quoi ?;Ceci;A;B;C\r\n";
        QFile given(argc == 4 ? argv[3] : "");
        if (argc == 4 && given.open(QIODevice::ReadOnly)) pool = given.readAll().toStdString();
        for (int language : {0, 1}) {
            QTemporaryDir program;
            for (const QString& f : QDir(argv[1]).entryList({"Questions_*.txt"}))
                QFile::copy(QString(argv[1]) + "/" + f, program.path() + "/" + f);
            shootImport(program.path(), language, pool, language ? "import-fr" : "import-en");
        }
    }
    shootMarked(dir.path(), false, "marked-normal");
    shootMarked(dir.path(), true, "marked-simplified");
    shootMarked(dir.path(), false, "marked-normal-fr", 1);
    shootPractised(samples, false, 0, "practised-normal-en");
    shootPractised(samples, false, 1, "practised-normal-fr");
    shootPractised(samples, true, 0, "practised-simplified-en");
    shootPractised(samples, true, 1, "practised-simplified-fr");
    shootSeek(dir.path(), true, "seek-simplified-fr");
    shootSeek(dir.path(), false, "seek-normal-fr");
    shootBankChange(dir.path(), false, "bankchange-normal");
    shootBankChange(dir.path(), true, "bankchange-simplified");
    {
        ProgramState p;
        auto w = start(p, dir.path(), "", "en_CA", QRect(0, 0, 700, 420));
        if (w) save(w.get(), "normal-small");
    }
    // The pictures, four times their size, on the window's colour.
    QImage sheet(6 * 140 + 20, 420, QImage::Format_RGB32);
    sheet.fill(QColor(239, 239, 239));
    {
        QPainter painter(&sheet);
        for (int i = 0; i < 6; ++i) {
            QPixmap pic = resourcePicture(AnswerPictureNames[size_t(i)], true);
            painter.drawPixmap(10 + i * 140, 10, pic.scaled(128, 128));
            painter.drawPixmap(10 + i * 140 + 48, 150, pic);
        }
        painter.drawPixmap(10, 200, resourcePicture("Logo2", false).scaled(160, 192));
        painter.drawPixmap(200, 200, resourcePicture("Logo2", false));
        painter.drawPixmap(300, 200, QPixmap(":/ProgIcon").scaled(128, 128));
        painter.drawPixmap(450, 200, QPixmap(":/ProgIcon").scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        painter.drawPixmap(500, 200, QPixmap(":/ProgIcon").scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    sheet.save(out + "/resources.png");
    return 0;
}
