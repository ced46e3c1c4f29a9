// The one crossing between the programs' Latin-1 texts and Qt's strings.
#pragma once

#include "toolkit/platformnames.h"

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

inline QString toQString(std::string_view latin1Text) {
    return QString::fromLatin1(latin1Text.data(), qsizetype(latin1Text.size()));
}

// Characters outside Latin-1 become '?'.
inline std::string fromQString(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

// CR LF (and a lone CR) become the '\n' Qt's labels break at.
inline QString toQLines(std::string_view latin1Text) {
    QString text = toQString(latin1Text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// File and folder names cross as the bytes pathBytes gives (the file
// system's own bytes on POSIX, which Qt 6 reads as UTF-8 there; UTF-8 from
// the wide names on Windows), never through Latin-1, so that any name the
// system can hold survives the crossing.
inline QString toQPath(const std::filesystem::path& path) {
    return QString::fromStdString(pathBytes(path));
}
inline std::filesystem::path fromQPath(const QString& path) {
    return pathFromBytes(path.toStdString());
}
