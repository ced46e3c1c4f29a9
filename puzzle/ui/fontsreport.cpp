#include "puzzle/ui/fontsreport.h"

#include <QFontInfo>
#include <QWidget>

#include "puzzle/ui/puzzletexts.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

int pointsFromEmHeight(int emPixels, int dpi) {
    int p = 4;
    while (mulDiv(p + 1, dpi, 72) <= emPixels) ++p;
    return p;
}

bool getFontInfo(const QWidget* window, FontInfo& info) {
    if (!window) return false;
    const QFontInfo actual(window->font());
    // The face the system really gave, which may differ from the one asked for.
    std::string name = fromQString(actual.family());
    while (!name.empty() && (name.back() == '\0' || name.back() == ' ' || name.back() == '\t'))
        name.pop_back();
    info.Name = trimBlanks(name);
    info.Points = pointsFromEmHeight(actual.pixelSize(), window->logicalDpiY());
    info.Weight = actual.weight();
    return true;
}

std::string fontsReport(const QWidget* mainWindow, const QWidget* tileFontHolder,
                        const QWidget* okFontHolder, int colourDepth) {
    FontInfo fonts[3];
    getFontInfo(mainWindow, fonts[0]);
    getFontInfo(tileFontHolder, fonts[1]);
    getFontInfo(okFontHolder, fonts[2]);
    std::vector<MaskValue> values;
    for (const FontInfo& f : fonts) {
        values.emplace_back(std::string(CRLF));
        values.emplace_back(f.Name);
        values.emplace_back(std::to_string(f.Points));
        values.emplace_back(std::to_string(f.Weight));
    }
    values.emplace_back(std::string(CRLF));
    values.emplace_back(std::to_string(colourDepth));
    return fillMask(otherText(5), values);
}
