#include "importedbank.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "bankmodel.h"
#include "banktext.h"
#include "errorbox.h"
#include "filefinder.h"
#include "masks.h"
#include "paths.h"
#include "syllabus.h"
#include "text.h"
#include "uicontext.h"

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

bool writeFile(const std::filesystem::path& path, const std::string& bytes, int& error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = errno;
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    error = !written ? writeError : errno;
    if (error == 0) error = EIO;
    return false;
}

// The source's name comes from outside (an archive's member may be called
// anything) and goes into the bank's first comment: a line break in it would
// start records of its own, another control character would spoil the bank.
std::string commentText(std::string text) {
    for (char& c : text)
        if (isControlCode(static_cast<unsigned char>(c))) c = '?';
    return text;
}

bool reportWrite(const std::filesystem::path& path, int error) {
    myErrorBox(fillMask(inLanguage("myWriteImportedBanks, cannot write file & err=& &",
                                   latin1("myWriteImportedBanks, ne peut écrire fichier & err=& &")),
                        {displayPath(path), error, errorText(error)}));
    return false;
}

// Both banks take their new bytes or neither does: each bank replaced keeps
// its earlier file under a second name until the other is in place, and gets
// it back when the other cannot be replaced. parts names the new files,
// empty where a bank keeps its bytes.
bool replaceBoth(const std::array<std::filesystem::path, 2>& paths,
                 const std::array<std::filesystem::path, 2>& parts) {
    std::error_code ec;
    std::array<std::filesystem::path, 2> earlier;
    auto undo = [&](int upTo) {
        std::error_code ignored;
        for (int k = 0; k < 2; ++k) {
            if (k < upTo && !parts[k].empty()) {
                if (earlier[k].empty())
                    std::filesystem::remove(paths[k], ignored);
                else
                    std::filesystem::rename(earlier[k], paths[k], ignored);
            }
            if (k >= upTo && !parts[k].empty()) std::filesystem::remove(parts[k], ignored);
        }
    };
    for (int language = 0; language < 2; ++language) {
        if (parts[language].empty()) continue;
        // A hard link keeps the earlier bank at no cost; a share without
        // links gets a copy.
        if (std::filesystem::is_regular_file(paths[language], ec)) {
            earlier[language] = paths[language];
            earlier[language] += ".earlier";
            std::filesystem::remove(earlier[language], ec);
            std::filesystem::create_hard_link(paths[language], earlier[language], ec);
            if (ec) std::filesystem::copy_file(paths[language], earlier[language], ec);
            if (ec) {
                const int error = ec.value();
                earlier[language].clear();
                undo(language);
                return reportWrite(paths[language], error);
            }
        }
        std::filesystem::rename(parts[language], paths[language], ec);
        if (ec) {
            const int error = ec.value();
            if (!earlier[language].empty()) std::filesystem::remove(earlier[language], ec);
            earlier[language].clear();
            undo(language);
            return reportWrite(paths[language], error);
        }
    }
    for (const std::filesystem::path& kept : earlier)
        if (!kept.empty()) std::filesystem::remove(kept, ec);
    return true;
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

bool myWriteBankFiles(const std::filesystem::path& folder, const std::array<std::filesystem::path, 2>& paths,
                      const std::array<std::string, 2>& files) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        myErrorBox(fillMask(inLanguage("myWriteImportedBanks, cannot create folder & err=& &",
                                       latin1("myWriteImportedBanks, ne peut créer le dossier & err=& &")),
                            {displayPath(folder), ec.value(), errorText(ec.value())}));
        return false;
    }
    // A bank already holding these very bytes is left as it is: its date
    // keeps telling when it really changed.
    const std::array<BankOnDisk, 2> found = compareWithDisk(paths, files);
    std::array<std::filesystem::path, 2> parts;
    for (int language = 0; language < 2; ++language) {
        if (found[language] == BankOnDisk::Same) continue;
        // Not a Questions_*.txt name, so bank discovery never sees it.
        parts[language] = paths[language];
        parts[language] += ".part";
        int error = 0;
        if (!writeFile(parts[language], files[language], error)) {
            for (int k = 0; k <= language; ++k)
                if (!parts[k].empty()) std::filesystem::remove(parts[k], ec);
            return reportWrite(paths[language], error);
        }
    }
    return replaceBoth(paths, parts);
}

bool myWriteImportedBanks(const ImportedPool& pool, const std::filesystem::path& folder, const std::string& name,
                          std::array<std::filesystem::path, 2>& paths) {
    paths = importedBankPaths(folder, name);
    return myWriteBankFiles(folder, paths, myComposeBankFiles(pool));
}

bool myImportQuestionBank(const std::filesystem::path& path, const std::filesystem::path& folder, const std::string& name,
                          std::array<std::filesystem::path, 2>& paths) {
    ImportedPool pool;
    if (!myReadIsedFile(path, pool)) return false;
    return myWriteImportedBanks(pool, folder, name.empty() ? defaultBankName(pool.Qualification) : name, paths);
}
