// Prints the language the exam simulator's window would open in here ("en"
// or "fr"), read by the same rule as the program, so that tools/run.sh puts
// the sample bank of that language beside it. Needs no display: it runs on
// Qt's offscreen platform, which has no input method; on a desktop the input
// method's locale, which the program reads, is the system locale asked here.
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

#include "examsim/ui/commandline.h"
#include "toolkit/gui/qtext.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int language = myKeyboardLanguage(fromQString(QLocale::system().name()));
    std::puts(language == 1 ? "fr" : "en");
    return 0;
}
