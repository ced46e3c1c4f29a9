// The whole import of a ZIP archive whose one member has any name, any bytes
// and any claimed size. What it accepts must come out as two banks that the
// program reads back whole, the member's name adding no record of its own;
// what it refuses must leave the folder holding no file.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "examsim/bank/bankreader.h"
#include "examsim/import/poolimport.h"
#include "examsim/import/tests/zipkit.h"
#include "fuzz/fuzzsupport.h"
#include "toolkit/text.h"

namespace {

// Only CR LF ends a line of a bank, and the header follows the comment line
// naming the source, whatever that name held.
bool wellFormed(const std::string& bank) {
    for (size_t i = 0; i < bank.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bank[i]);
        if (c == '\r' && i + 1 < bank.size() && bank[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (c < 0x20 && c != '\t') return false;
    }
    const size_t firstEnd = bank.find("\r\n");
    return firstEnd != std::string::npos && bank.compare(firstEnd + 2, 1, "^") == 0;
}

size_t filesIn(const std::filesystem::path& folder) {
    std::error_code ec;
    size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::end(it); it.increment(ec))
        ++count;
    return count;
}

}  // namespace

// Input: a flags byte (1: stored rather than deflated, 2: the headers claim
// the size in the next four bytes), the name's length, the name, the bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile archive("import-member");
    static const std::filesystem::path folder = archive.path() + ".banks";
    silenceMessages();
    uiContext().InterfaceLanguage = static_cast<int>(size & 1);
    if (size < 2) return 0;
    const uint8_t flags = data[0];
    size_t at = 1;
    uint32_t claimed = 0;
    if (flags & 2) {
        if (size < at + 5) return 0;
        for (int i = 0; i < 4; ++i)
            claimed |= uint32_t(data[at + size_t(i)]) << (8 * i);
        at += 4;
    }
    const size_t nameLength = data[at++];
    if (size < at + nameLength) return 0;
    const std::string name(reinterpret_cast<const char*>(data + at), nameLength);
    const std::string bytes(reinterpret_cast<const char*>(data + at + nameLength),
                            size - at - nameLength);

    std::string zip = makeZip({{name, bytes}}, {(flags & 1) == 0, ""});
    if (flags & 2) zip = claimSize(zip, claimed);
    archive.write(reinterpret_cast<const uint8_t*>(zip.data()), zip.size());

    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    const ImportOutcome outcome = myImportOfficialBank(archive.path(), folder, "", ImportPorts{});
    if (outcome.Result != ImportResult::Written) {
        if (filesIn(folder) != 0) std::abort();
        return 0;
    }
    if (filesIn(folder) != 2) std::abort();
    for (const std::filesystem::path& path : outcome.Paths) {
        std::string bank;
        int error = 0;
        if (!readFileBytes(path, bank, error) || !wellFormed(bank)) std::abort();
        BankModel model;
        std::string title;
        if (myReadQuestionBank(model, path, FullRead, title) != 1) std::abort();
        if (model.QuestionCount != outcome.QuestionCount) std::abort();
    }
    return 0;
}
