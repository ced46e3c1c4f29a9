#include "toolkit/gui/qttranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QTranslator*& installed() {
    static QTranslator* translator = nullptr;
    return translator;
}

QStringList translationFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

}  // namespace

bool followInterfaceLanguageInQt(int language) {
    QTranslator*& current = installed();
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
    }
    if (language != 1) return true;
    auto* translator = new QTranslator;
    // "qt_fr" gathers the translations of every Qt module (qtbase_fr and the rest).
    for (const QString& folder : translationFolders()) {
        if (translator->load(QStringLiteral("qt_fr"), folder)) {
            QCoreApplication::installTranslator(translator);
            current = translator;
            return true;
        }
    }
    delete translator;
    return false;
}
