#include "examsim/import/importedbank.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "examsim/bank/bankmodel.h"
#include "examsim/bank/banktext.h"
#include "examsim/import/bankpair.h"
#include "examsim/import/syllabus.h"
#include "toolkit/errorbox.h"
#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

// FNV-1a followed by a final avalanche: ids differ only in their last
// digits, and the low bits of plain FNV would follow those digits.
uint32_t idHash(const std::string& text) {
    uint32_t h = 2166136261u;
    for (unsigned char c : text) {
        h ^= c;
        h *= 16777619u;
    }
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

// The source's name comes from outside (an archive's member may be called
// anything) and goes into the bank's first comment: a line break in it would
// start records of its own, another control character would spoil the bank.
std::string commentText(std::string text) {
    for (char& c : text)
        if (isControlCode(static_cast<unsigned char>(c))) c = '?';
    return text;
}

}  // namespace

std::array<int, 4> importedAnswerOrder(const std::string& designation) {
    // The hash picks one of the 24 orders, decoded as a factorial number.
    uint32_t pick = idHash(designation) % 24;
    std::vector<int> left{0, 1, 2, 3};
    std::array<int, 4> order{};
    for (int k = 0, weight = 6; k < 4; ++k) {
        order[k] = left[pick / weight];
        left.erase(left.begin() + pick / weight);
        pick %= weight;
        if (k < 3) weight /= 3 - k;
    }
    return order;
}

std::vector<std::string> myComposeBank(const ImportedPool& pool, int language) {
    const bool french = language == LanguageFrench;
    const std::string title = importedBankTitle(pool.Qualification, pool.Edition, language);
    std::vector<std::string> lines;
    lines.reserve(pool.Questions.size() * 6 + 40);
    lines.push_back("' " + title + (french ? latin1(" : importée de ") : ": imported from ") +
                    commentText(pool.SourceName));
    lines.push_back("^" + title + "^" + std::to_string(examQuestionsOf(pool.Qualification)) + "^" +
                    std::to_string(DefaultPassMarkPercent) + "^");
    int section = 0;
    for (const ImportedQuestion& q : pool.Questions) {
        if (q.Section != section) {
            section = q.Section;
            lines.emplace_back();
            lines.push_back("{" + sectionLessonId(pool.Qualification, section) + "} " +
                            sectionTitle(pool.Qualification, section, language));
        }
        const auto& text = q.Text[french ? 1 : 0];
        const std::array<int, 4> order = importedAnswerOrder(q.Designation);
        int expected = 0;
        while (order[expected] != 0) ++expected;
        lines.emplace_back();
        lines.push_back(q.Designation + " (" + std::to_string(expected + 1) + ") " + text[0]);
        for (int k = 0; k < 4; ++k) lines.push_back(std::to_string(k + 1) + ". " + text[1 + order[k]]);
    }
    return lines;
}

std::array<std::string, 2> importedBankNames(const std::string& name) {
    return {"Questions_" + name + "_EN.txt", "Questions_" + name + "_FR.txt"};
}

std::array<std::string, 2> myComposeBankFiles(const ImportedPool& pool) {
    std::array<std::string, 2> files;
    for (int language = 0; language < 2; ++language) {
        for (const std::string& line : myComposeBank(pool, language)) files[language] += line + CRLF;
        // The reader takes a bank whose bytes read as UTF-8 for UTF-8: a
        // Latin-1 bank can by chance ("Ë©" is U+02E9), and is written in
        // UTF-8 then, so that it reads back as the same text.
        if (looksLikeUtf8(files[language]))
            files[language] = "\xEF\xBB\xBF" + toUtf8(files[language]);
    }
    return files;
}

std::array<BankOnDisk, 2> compareWithDisk(const std::array<std::filesystem::path, 2>& paths,
                                          const std::array<std::string, 2>& files) {
    std::array<BankOnDisk, 2> found{};
    for (int language = 0; language < 2; ++language) {
        std::string bytes;
        int error = 0;
        if (!readFileBytes(paths[language], bytes, error))
            found[language] = BankOnDisk::Missing;
        else
            found[language] = bytes == files[language] ? BankOnDisk::Same : BankOnDisk::Different;
    }
    return found;
}

std::array<std::filesystem::path, 2> importedBankPaths(const std::filesystem::path& folder, const std::string& name) {
    const std::array<std::string, 2> names = importedBankNames(name);
    return {folder / names[0], folder / names[1]};
}

bool myWriteBankFiles(const std::filesystem::path& folder, const std::string& name,
                      const std::array<std::string, 2>& files, const PairStepHook& hook) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        myErrorBox(fillMask(inLanguage("myWriteImportedBanks, cannot create folder & err=& &",
                                       latin1("myWriteImportedBanks, ne peut créer le dossier & err=& &")),
                            {displayPath(folder), ec.value(), errorText(ec.value())}));
        return false;
    }
    return myReplaceBankPair(folder, name, files, hook);
}

bool myWriteImportedBanks(const ImportedPool& pool, const std::filesystem::path& folder, const std::string& name,
                          std::array<std::filesystem::path, 2>& paths) {
    paths = importedBankPaths(folder, name);
    return myWriteBankFiles(folder, name, myComposeBankFiles(pool));
}

bool myImportQuestionBank(const std::filesystem::path& path, const std::filesystem::path& folder, const std::string& name,
                          std::array<std::filesystem::path, 2>& paths) {
    ImportedPool pool;
    if (!myReadIsedFile(path, pool)) return false;
    return myWriteImportedBanks(pool, folder, name.empty() ? defaultBankName(pool.Qualification) : name, paths);
}
