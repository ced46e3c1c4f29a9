// What a window costs at start-up, measured from outside with
// /usr/bin/time -v (elapsed time, maximum resident set size) and the
// libraries it maps: the program shows its window, paints it once and
// quits. Built twice: bare_window_start shows a Qt Widgets dialog with a
// label and links nothing but Qt Widgets, the yardstick; with
// PROGRESS_WINDOW, progress_window_start shows the progress window on a
// log of 30 sessions of the sample bank, chart included.
//
//   bare_window_start [--maps]
//   progress_window_start [--maps]
//
// --maps prints the number of shared libraries mapped once the window is
// painted (from /proc/self/maps).
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#ifdef PROGRESS_WINDOW
#include "examsim/bank/bankreader.h"
#include "examsim/progress/window/progresswindow.h"
#include "examsim/progress/window/tests/improvinglog.h"
#endif

namespace {

int mappedLibraries() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return -1;
    QSet<QByteArray> libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so")) libraries.insert(line.mid(slash));
    }
    return static_cast<int>(libraries.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool maps = argc > 1 && std::strcmp(argv[1], "--maps") == 0;
    std::unique_ptr<QWidget> window;
#ifdef PROGRESS_WINDOW
    static BankModel bank;
    std::string unused;
    if (!myReadQuestionBank(bank, std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt", FullRead, unused))
        return 1;
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "ulvorane_window_start_log.txt";
    if (std::FILE* f = std::fopen(log.string().c_str(), "wb")) {
        const std::string bytes = improvingLog(bank, 30, 4);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    window = std::make_unique<ProgressWindow>(bank, log, false, nullptr);
#else
    auto* dialog = new QDialog;
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QStringLiteral("Marks of every session"), dialog));
    window.reset(dialog);
    window->resize(1100, 800);
#endif
    window->show();
    QCoreApplication::processEvents();
    const QPixmap painted = window->grab();
    if (maps) std::printf("%d shared libraries mapped\n", mappedLibraries());
#ifdef PROGRESS_WINDOW
    std::filesystem::remove(log);
#endif
    return painted.isNull() ? 1 : 0;
}
