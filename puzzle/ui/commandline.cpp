#include "puzzle/ui/commandline.h"

#include <algorithm>
#include <cstdlib>

#include "puzzle/ui/puzzletexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

// The switch's text: from just after its "/" to the terminator (or the end),
// without parentheses, trimmed. Taken from source, found by position in the
// upper-cased text so the switch letter may be in either case.
std::string switchText(const std::string& source, const std::string& upper, size_t slash,
                       const std::string& terminator) {
    const size_t start = slash + 1;
    size_t end = source.find(terminator, start);
    if (end == std::string::npos) end = source.size();
    std::string text = source.substr(start, end - start);
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '(' || c == ')'; }),
               text.end());
    return trimSpaces(text);
}

bool startsWithKey(const std::string& text, char key) {
    return text.size() >= 2 && (text[0] == key || text[0] == key + ('a' - 'A')) && text[1] == '=';
}

// "12", "+3", "-2.6" and the like; the characters were checked already.
int roundedValue(const std::string& text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return static_cast<int>(roundHalfEven(value));
}

}  // namespace

PuzzleSwitches readCommandLine(const std::string& arguments) {
    PuzzleSwitches s;
    const std::string text = trimSpaces(arguments);
    if (text.empty()) return s;
    const std::string upper = upperCase(text);

    if (upper.find("/X") != std::string::npos) s.ReportToolTipFailures = false;
    // Before the others: their reports come in the language /Q asks for.
    if (upper.find("/Q") != std::string::npos) {
        s.French = true;
        uiContext().InterfaceLanguage = 1;
    }

    if (size_t at = upper.find("/A"); at != std::string::npos) {
        const std::string a = switchText(upper, upper, at, " /");
        const std::string rest = a.size() >= 2 ? a.substr(2) : std::string();
        if (startsWithKey(a, 'A') &&
            rest.find_first_not_of("0123456789+-") == std::string::npos) {
            // A lone sign or signs in odd places read as far as they make a number.
            s.FontAdjustment = rest.empty() ? 0 : static_cast<int>(leadingNumber(rest));
        } else {
            myErrorBox(startupMessage(1));
        }
    }

    if (size_t at = upper.find("/F"); at != std::string::npos) {
        const std::string f = switchText(text, upper, at, "/");
        if (startsWithKey(f, 'F')) {
            const std::vector<std::string> fields = splitFields(f.substr(2), ',');
            s.FontName = trimSpaces(fields[0]);
            s.FontSize = fields.size() > 1 ? roundedValue(trimSpaces(fields[1])) : 0;
        }
        if (s.FontName.empty() || s.FontSize == 0) {
            myErrorBox(startupMessage(2));
            s.FontName.clear();
            s.FontSize = 0;
        }
    }

    if (size_t at = upper.find("/T"); at != std::string::npos) {
        const std::string t = switchText(text, upper, at, "/");
        if (startsWithKey(t, 'T') && t.size() > 2) s.TileFontName = trimSpaces(t.substr(2));
        if (s.TileFontName.empty()) myErrorBox(startupMessage(3));
    }
    return s;
}

bool chooseDialogFont(const PuzzleSwitches& switches, bool suggested,
                      const std::string& suggestedFace, int suggestedSize, std::string& face,
                      int& points) {
    if (!switches.FontName.empty()) {
        face = switches.FontName;
        points = switches.FontSize;
    } else if (suggested) {
        face = suggestedFace;
        points = suggestedSize + switches.FontAdjustment;
    } else {
        return false;
    }
    // A large negative /A or /F size would ask for a font of no size at all.
    points = std::max(points, 1);
    return true;
}
