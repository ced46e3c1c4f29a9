// Renders the progress window to PNG for looking at: a log of 30 sessions
// with improving marks, a lesson drill every fourth, a single full exam at
// 81 %, and a bank without a session, both layouts, both languages.
// --dark paints them with a dark palette, as a dark desktop scheme gives.
//
//   examsim_progress_shots [--dark] <output folder> [bank]
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>
#include <QTest>
#include <filesystem>

#include "examsim/bank/bankreader.h"
#include "examsim/progress/window/progresswindow.h"
#include "examsim/progress/window/tests/improvinglog.h"
#include "toolkit/uicontext.h"

int main(int argc, char** argv) {
    // Offscreen unless told otherwise: the shots need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool dark = argc > 1 && QByteArray(argv[1]) == "--dark";
    if (dark) {
        --argc;
        ++argv;
        // What a dark scheme with Fusion gives: light text on dark pages.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(53, 53, 53));
        palette.setColor(QPalette::WindowText, QColor(238, 238, 238));
        palette.setColor(QPalette::Base, QColor(35, 38, 41));
        palette.setColor(QPalette::AlternateBase, QColor(48, 48, 48));
        palette.setColor(QPalette::Text, QColor(238, 238, 238));
        palette.setColor(QPalette::Button, QColor(53, 53, 53));
        palette.setColor(QPalette::ButtonText, QColor(238, 238, 238));
        palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
        palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
        QApplication::setPalette(palette);
    }
    if (argc < 2) return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    BankModel bank;
    std::string unused;
    const std::string bankPath = argc > 2 ? argv[2] : std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt";
    if (!myReadQuestionBank(bank, bankPath, FullRead, unused))
        return 1;
    const std::string log = (std::filesystem::temp_directory_path() / "ulvorane_progress_shots_log.txt").string();
    for (int sessions : {30, 1, 0}) {
        if (std::FILE* f = std::fopen(log.c_str(), "wb")) {
            const std::string bytes = sessions == 1 ? oneExamAt81(bank) : improvingLog(bank, sessions, 4);
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        for (bool simplified : {false, true})
            for (int language : {0, 1}) {
                uiContext().InterfaceLanguage = language;
                ProgressWindow w(bank, log, simplified, nullptr);
                w.show();
                w.focusFirst();
                QTest::qWait(100);
                const QString name = QStringLiteral("progress-%1-%2-%3")
                                         .arg(sessions == 30 ? QStringLiteral("30") : sessions ? QStringLiteral("one-exam-81") : QStringLiteral("empty"))
                                         .arg(simplified ? QStringLiteral("simplified") : QStringLiteral("normal"))
                                         .arg(language ? QStringLiteral("fr") : QStringLiteral("en"));
                w.grab().save(out + "/" + name + ".png");
            }
    }
    std::filesystem::remove(log);
    return 0;
}
