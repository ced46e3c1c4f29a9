#include "examsim/import/isedarchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <vector>

#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

bool report(const char* english, const char* french, const std::vector<MaskValue>& values) {
    myErrorBox(fillMask(inLanguage(english, latin1(french)), values));
    return false;
}

bool reportDamaged(const std::string& archive) {
    return report("myReadIsedArchive, & is damaged or incomplete: download it again",
                  "myReadIsedArchive, & est endommagé ou incomplet : téléchargez-le de nouveau", {archive});
}

bool endsWith(const std::string& text, const char* tail) {
    const std::string lower = lowerCase(text);
    const std::string end(tail);
    return lower.size() >= end.size() && lower.compare(lower.size() - end.size(), end.size(), end) == 0;
}

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchiveHandle = std::unique_ptr<archive, ArchiveCloser>;

// Only the ZIP format, read from the bytes in memory with libarchive's
// seekable ZIP reader: it takes the members from the central directory at
// the archive's end, so a name, size and encryption flag are known before
// any data is unpacked, and an archive cut short anywhere is refused (the
// streaming reader would take what comes before the cut).
ArchiveHandle openZip(const std::string& bytes) {
    ArchiveHandle a(archive_read_new());
    if (!a) return a;
    if (archive_read_support_format_zip_seekable(a.get()) != ARCHIVE_OK ||
        archive_read_open_memory(a.get(), bytes.data(), bytes.size()) != ARCHIVE_OK)
        a.reset();
    return a;
}

// The member's name without the folders of the archive, as UTF-8 bytes
// (what the file system names files with) when the archive says so, else
// as written. False when libarchive has no form of it at all: a name
// flagged UTF-8 that is not.
bool memberName(archive_entry* entry, std::string& name) {
    const char* path = archive_entry_pathname_utf8(entry);
    if (!path) path = archive_entry_pathname(entry);
    if (!path) return false;
    name = path;
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    return true;
}

// The member count the archive's end record states, read before libarchive
// walks a directory of any length; SIZE_MAX when there is no end record
// (the archive is then refused as damaged anyway).
size_t statedMembers(const std::string& bytes) {
    const size_t endRecord = 22;
    if (bytes.size() < endRecord) return SIZE_MAX;
    const size_t earliest =
        bytes.size() > endRecord + 0xFFFF ? bytes.size() - endRecord - 0xFFFF : 0;
    for (size_t at = bytes.size() - endRecord + 1; at-- > earliest;) {
        if (bytes.compare(at, 4, "PK\x05\x06") != 0) continue;
        const auto byte = [&](size_t k) {
            return static_cast<size_t>(static_cast<unsigned char>(bytes[at + k]));
        };
        // 0xFFFF: the count is in the ZIP64 record, and checked as the members are walked.
        return byte(10) | byte(11) << 8;
    }
    return SIZE_MAX;
}

// A warning (a name the locale cannot show, say) still gives the header.
bool usable(int result) { return result == ARCHIVE_OK || result == ARCHIVE_WARN; }

// 1980-01-01 00:00, the first moment a ZIP header can hold, is what
// writers put when they know no date.
bool zipsNoDate(std::time_t when) {
    std::tm local{};
    if (!localTime(when, local)) return false;
    return local.tm_year == 80 && local.tm_mon == 0 && local.tm_mday == 1 && local.tm_hour == 0 &&
           local.tm_min == 0;
}

struct Listed {
    int index;
    std::string name;
};

enum class Listing { Done, Damaged, TooMany };

// Walks the headers only; unreadable counts the regular members whose name
// cannot be read.
Listing listTextMembers(const std::string& bytes, std::vector<Listed>& texts, int& unreadable) {
    ArchiveHandle a = openZip(bytes);
    if (!a) return Listing::Damaged;
    archive_entry* entry = nullptr;
    for (int index = 0;; ++index) {
        if (static_cast<size_t>(index) > MaxArchiveMembers) return Listing::TooMany;
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF) return Listing::Done;
        if (!usable(r)) return Listing::Damaged;
        if (archive_entry_filetype(entry) != AE_IFREG) continue;
        std::string name;
        if (!memberName(entry, name)) {
            ++unreadable;
            continue;
        }
        // An archive packed again on a Mac carries a "._" shadow of every
        // file, under __MACOSX/: never the questions.
        if (name.rfind("._", 0) == 0) continue;
        if (endsWith(name, ".txt")) texts.push_back({index, std::move(name)});
    }
}

}  // namespace

bool isZipArchive(const std::string& name, const std::string& bytes) {
    if (bytes.compare(0, 4, "PK\x03\x04") == 0 || bytes.compare(0, 4, "PK\x05\x06") == 0) return true;
    return endsWith(name, ".zip");
}

bool myReadIsedArchive(const std::string& bytes, const std::string& archiveName, IsedMember& member) {
    member = IsedMember{};
    std::vector<Listed> texts;
    int unreadable = 0;
    auto tooMany = [&] {
        return report(
            "myReadIsedArchive, & holds more than 1000 members: it is not a question pool",
            "myReadIsedArchive, & contient plus de 1000 membres : ce n'est pas une banque de "
            "questions",
            {archiveName});
    };
    const size_t stated = statedMembers(bytes);
    if (stated != SIZE_MAX && stated != 0xFFFF && stated > MaxArchiveMembers) return tooMany();
    // libarchive does not take an archive of nothing, which is only its end
    // record: that one holds no question file rather than being damaged.
    const bool empty = bytes.size() == 22 && bytes.compare(0, 4, "PK\x05\x06") == 0;
    if (!empty) {
        const Listing listing = listTextMembers(bytes, texts, unreadable);
        if (listing == Listing::TooMany) return tooMany();
        if (listing == Listing::Damaged) return reportDamaged(archiveName);
    }

    std::vector<Listed> delimited;
    for (const Listed& t : texts)
        if (endsWith(t.name, "_delim.txt")) delimited.push_back(t);
    // A name that cannot be read may be the question file's: rather than
    // import another text, say so.
    if (delimited.empty() && unreadable > 0)
        return report(
            "myReadIsedArchive, & holds a member whose name cannot be read (it is not valid UTF-8)",
            "myReadIsedArchive, & contient un membre dont le nom est illisible (ce n'est pas de "
            "l'UTF-8 valide)",
            {archiveName});
    const std::vector<Listed>& candidates = delimited.empty() ? texts : delimited;
    if (candidates.empty())
        return report("myReadIsedArchive, & holds no question file (a name ending in __delim.txt)",
                      "myReadIsedArchive, & ne contient aucun fichier de questions (un nom finissant par "
                      "__delim.txt)",
                      {archiveName});
    if (candidates.size() > 1)
        return report("myReadIsedArchive, & holds several question files (& and &): cannot tell which to import",
                      "myReadIsedArchive, & contient plusieurs fichiers de questions (& et &) : impossible de "
                      "savoir lequel importer",
                      {archiveName, latin1(candidates[0].name), latin1(candidates[1].name)});

    // A second pass, up to the member chosen, to unpack it.
    const Listed& chosen = candidates.front();
    const std::string shownName = latin1(chosen.name);
    ArchiveHandle a = openZip(bytes);
    if (!a) return reportDamaged(archiveName);
    archive_entry* entry = nullptr;
    for (int index = 0; index <= chosen.index; ++index)
        if (!usable(archive_read_next_header(a.get(), &entry))) return reportDamaged(archiveName);

    if (archive_entry_is_encrypted(entry))
        return report("myReadIsedArchive, & in & is encrypted and cannot be read",
                      "myReadIsedArchive, & dans & est chiffré et ne peut être lu", {shownName, archiveName});
    auto tooLarge = [&] {
        return report("myReadIsedArchive, & in & is larger than 20 MB once unpacked: it is not a question file",
                      "myReadIsedArchive, & dans & dépasse 20 Mo une fois décompressé : ce n'est pas un fichier "
                      "de questions",
                      {shownName, archiveName});
    };
    // The size an archive claims is checked first; what it really unpacks to
    // is counted as it comes, since the claim may be false.
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > static_cast<la_int64_t>(MaxMemberBytes))
        return tooLarge();

    std::string data;
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0)
        data.reserve(static_cast<size_t>(archive_entry_size(entry)));
    char buffer[1 << 15];
    for (;;) {
        const la_ssize_t got = archive_read_data(a.get(), buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) return reportDamaged(archiveName);
        if (data.size() + static_cast<size_t>(got) > MaxMemberBytes) return tooLarge();
        data.append(buffer, static_cast<size_t>(got));
    }
    member.Name = chosen.name;
    member.Bytes = std::move(data);
    member.Modified = archive_entry_mtime_is_set(entry) && !zipsNoDate(archive_entry_mtime(entry))
                          ? archive_entry_mtime(entry)
                          : 0;
    return true;
}
