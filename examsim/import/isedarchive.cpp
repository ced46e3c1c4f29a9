#include "isedarchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <vector>

#include "errorbox.h"
#include "masks.h"
#include "text.h"
#include "uicontext.h"

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
// (what the file system names files with) when the archive says so.
std::string memberName(archive_entry* entry) {
    const char* path = archive_entry_pathname_utf8(entry);
    if (!path) path = archive_entry_pathname(entry);
    std::string name = path ? path : "";
    const size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// A warning (a name the locale cannot show, say) still gives the header.
bool usable(int result) { return result == ARCHIVE_OK || result == ARCHIVE_WARN; }

struct Listed {
    int index;
    std::string name;
};

// Walks the headers only; false when the archive cannot be read to its end.
bool listTextMembers(const std::string& bytes, std::vector<Listed>& texts) {
    ArchiveHandle a = openZip(bytes);
    if (!a) return false;
    archive_entry* entry = nullptr;
    for (int index = 0;; ++index) {
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF) return true;
        if (!usable(r)) return false;
        if (archive_entry_filetype(entry) != AE_IFREG) continue;
        std::string name = memberName(entry);
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
    // libarchive does not take an archive of nothing, which is only its end
    // record: that one holds no question file rather than being damaged.
    const bool empty = bytes.size() == 22 && bytes.compare(0, 4, "PK\x05\x06") == 0;
    if (!empty && !listTextMembers(bytes, texts)) return reportDamaged(archiveName);

    std::vector<Listed> delimited;
    for (const Listed& t : texts)
        if (endsWith(t.name, "_delim.txt")) delimited.push_back(t);
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
    member.Modified = archive_entry_mtime_is_set(entry) ? archive_entry_mtime(entry) : 0;
    return true;
}
