#include "examsim/ui/commandline.h"

#include "examsim/ui/uitexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/text.h"

namespace {

// The value of a switch: from the letter after its "/" up to the end mark
// (not included) or the end of the text, without parentheses, trimmed.
std::string switchValue(const std::string& text, size_t slash, const std::string& endMark) {
    size_t end = text.find(endMark, slash + 1);
    std::string value = text.substr(slash + 1, end == std::string::npos ? std::string::npos : end - slash - 1);
    value = replaceAll(replaceAll(value, "(", ""), ")", "");
    return trimSpaces(value);
}

void readAdjustment(const std::string& upper, CommandLine& switches) {
    size_t at = upper.find("/A");
    if (at == std::string::npos) return;
    std::string value = switchValue(upper, at, " /");
    if (value.compare(0, 2, "A=") != 0 ||
        value.find_first_not_of("0123456789+-", 2) != std::string::npos) {
        // Start-up messages come before any window: English first.
        myErrorBox(messageIn(MsgSizeSwitch, 0));
        return;
    }
    switches.SizeAdjustment = static_cast<int>(leadingNumber(value.substr(2)));
}

void readFont(const std::string& typed, const std::string& upper, CommandLine& switches) {
    size_t at = upper.find("/F");
    if (at == std::string::npos) return;
    // Font names may hold spaces: only the next "/" ends the value.
    std::string value = switchValue(typed, at, "/");
    if (upperCase(value.substr(0, 2)) == "F=") {
        std::vector<std::string> fields = splitFields(value.substr(2), ',');
        switches.FontName = trimSpaces(fields[0]);
        switches.PointSize = fields.size() > 1 ? static_cast<int>(leadingNumber(fields[1])) : 0;
    }
    if (switches.FontName.empty() || switches.PointSize == 0) {
        myErrorBox(messageIn(MsgFontSwitch, 0));
        switches.FontName.clear();
        switches.PointSize = 0;
    }
}

}  // namespace

void myParseCommandLine(const std::string& arguments, CommandLine& switches) {
    if (trimSpaces(arguments).empty()) return;
    const std::string upper = upperCase(arguments);
    if (upper.find("/X") != std::string::npos) switches.ReportToolTipFailures = false;
    if (upper.find("/S") != std::string::npos) switches.SimplifiedLayout = true;
    if (upper.find("/D") != std::string::npos) switches.DumpUtilityEnabled = 1;
    readAdjustment(upper, switches);
    readFont(arguments, upper, switches);
}

int myKeyboardLanguage(const std::string& localeName) {
    const std::string lower = lowerCase(localeName);
    return lower.size() >= 2 && lower.compare(0, 2, "fr") == 0 &&
                   (lower.size() == 2 || lower[2] == '_' || lower[2] == '-')
               ? 1
               : 0;
}

FontChoice myChooseDefaultFont(const CommandLine& switches, bool suggested,
                               const std::string& suggestedFace, int suggestedSize) {
    FontChoice choice;
    if (!switches.FontName.empty()) {
        choice = {true, switches.FontName, switches.PointSize};
    } else if (suggested) {
        choice = {true, suggestedFace, suggestedSize + switches.SizeAdjustment};
    }
    // A size adjusted below one point would make the window unreadable and
    // is refused by the font engine anyway: keep the smallest size there is.
    if (choice.Use && choice.PointSize < 1) choice.PointSize = 1;
    return choice;
}
