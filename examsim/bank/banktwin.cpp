#include "examsim/bank/banktwin.h"

#include <array>
#include <vector>

#include "toolkit/text.h"

namespace {

// A file name of an imported bank: its name and language ("basic", 1 for
// "Questions_Basic_FR.txt"), lower case; language -1 for any other name.
struct PairName {
    std::string Name;
    int Language = -1;
};

PairName pairName(const BankEntry& entry) {
    const std::string file = lowerCase(entry.FullPath.filename().string());
    const std::string head = "questions_";
    PairName pair;
    if (file.size() <= head.size() + 7 || file.compare(0, head.size(), head) != 0) return pair;
    const std::string tail = file.substr(file.size() - 7);
    if (tail != "_en.txt" && tail != "_fr.txt") return pair;
    pair.Name = file.substr(head.size(), file.size() - head.size() - 7);
    pair.Language = tail == "_fr.txt" ? 1 : 0;
    return pair;
}

// A title read as qualification, edition and language: "Basic 2025 English"
// is {0, "2025", 0} (qualification 0 Basic, 1 Advanced); -1s when the title
// is not of that form.
struct TitleParts {
    int Qualification = -1;
    std::string Edition;
    int Language = -1;
};

TitleParts titleParts(const std::string& title) {
    // Each qualification's names, then each language's (Latin-1, lower case).
    static const std::array<std::vector<std::string>, 2> qualifications = {
        {{"basic", "base"}, {"advanced", latin1("supérieure"), "superieure"}}};
    static const std::array<std::vector<std::string>, 2> languages = {
        {{"english"}, {latin1("français"), "francais", "french"}}};
    TitleParts parts;
    const std::string words = lowerCase(trimSpaces(title));
    const size_t first = words.find(' ');
    const size_t last = words.rfind(' ');
    if (first == std::string::npos || last == first) return parts;
    const std::string qualification = words.substr(0, first);
    const std::string language = words.substr(last + 1);
    for (int q = 0; q < 2; ++q)
        for (const std::string& name : qualifications[static_cast<size_t>(q)])
            if (qualification == name) parts.Qualification = q;
    for (int l = 0; l < 2; ++l)
        for (const std::string& name : languages[static_cast<size_t>(l)])
            if (language == name) parts.Language = l;
    parts.Edition = trimSpaces(words.substr(first + 1, last - first - 1));
    if (parts.Qualification < 0 || parts.Language < 0 || parts.Edition.empty()) return TitleParts{};
    return parts;
}

}  // namespace

int myBankLanguage(const BankEntry& entry, const std::string& title) {
    const PairName pair = pairName(entry);
    return pair.Language >= 0 ? pair.Language : titleParts(title).Language;
}

int32_t myLanguageTwin(const BankShelf& shelf, int32_t bank, int language) {
    if (bank < 1 || bank > shelf.BankCount || (language != 0 && language != 1)) return 0;
    const size_t b = static_cast<size_t>(bank);
    const PairName pair = pairName(shelf.BankList[b]);
    const TitleParts parts = titleParts(shelf.BankTitles[b]);
    if (myBankLanguage(shelf.BankList[b], shelf.BankTitles[b]) != 1 - language) return 0;
    // The imported pair first: its names say it whatever its titles.
    if (pair.Language == 1 - language)
        for (int32_t other = 1; other <= shelf.BankCount; ++other) {
            const PairName candidate = pairName(shelf.BankList[static_cast<size_t>(other)]);
            if (candidate.Language == language && candidate.Name == pair.Name) return other;
        }
    if (parts.Language != 1 - language) return 0;
    for (int32_t other = 1; other <= shelf.BankCount; ++other) {
        const TitleParts candidate = titleParts(shelf.BankTitles[static_cast<size_t>(other)]);
        if (candidate.Language == language && candidate.Qualification == parts.Qualification &&
            candidate.Edition == parts.Edition)
            return other;
    }
    return 0;
}
