// Prints the language the exam simulator's window would open in here ("en"
// or "fr"), read by the same rule as the program, so that tools/run.sh puts
// the sample bank of that language beside it. Needs no display: it runs on
// Qt's offscreen platform.
#include <QGuiApplication>
#include <QInputMethod>

#include <cstdio>

#include "commandline.h"
#include "qtext.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int language = myKeyboardLanguage(fromQString(QGuiApplication::inputMethod()->locale().name()));
    std::puts(language == 1 ? "fr" : "en");
    return 0;
}
