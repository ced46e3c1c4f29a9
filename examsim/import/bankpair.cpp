#include "examsim/import/bankpair.h"

#include <cerrno>
#include <system_error>
#include <vector>

#include "examsim/import/importedbank.h"
#include "examsim/import/importtexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace fs = std::filesystem;

namespace {

// Every name a replacement of the pair uses.
struct PairNames {
    std::array<fs::path, 2> banks;
    std::array<fs::path, 2> earlier;
    fs::path journal;
    fs::path lock;
};

PairNames pairNames(const fs::path& folder, const std::string& name) {
    PairNames n;
    n.banks = importedBankPaths(folder, name);
    for (int k = 0; k < 2; ++k) n.earlier[k] = folder / pathFromBytes("." + pathBytes(n.banks[k].filename()) + ".earlier");
    n.journal = folder / pathFromBytes(".Questions_" + name + ".import");
    n.lock = bankPairLockPath(folder, name);
    return n;
}

// What the journal holds: its direction, and per bank the fresh file's name
// (empty when that bank keeps its bytes) and whether an earlier bank was there.
struct Journal {
    bool forward = true;
    std::array<std::string, 2> fresh;
    std::array<bool, 2> hadEarlier{};
};

std::string journalBytes(const Journal& j) {
    std::string text = j.forward ? "forward\n" : "back\n";
    for (int k = 0; k < 2; ++k) text += j.fresh[k] + "\n" + (j.hadEarlier[k] ? "1" : "0") + "\n";
    return text;
}

// Only names of this pair's own fresh files are taken from a journal, so
// that a planted journal can make nothing else move.
bool parseJournal(const std::string& bytes, const PairNames& n, Journal& j) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    if (start != bytes.size() || lines.size() != 5 || (lines[0] != "forward" && lines[0] != "back")) return false;
    j.forward = lines[0] == "forward";
    for (int k = 0; k < 2; ++k) {
        j.fresh[k] = lines[1 + 2 * k];
        const std::string& had = lines[2 + 2 * k];
        if ((had != "0" && had != "1") ||
            (!j.fresh[k].empty() && !isFreshNameFor(pathFromBytes(j.fresh[k]), n.banks[k].filename())))
            return false;
        j.hadEarlier[k] = had == "1";
    }
    return true;
}

bool present(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

void step(const PairStepHook& hook, PairStep s, int language = -1) {
    if (hook) hook(s, language);
}

bool reportWrite(const fs::path& path, int error) {
    myErrorBox(fillMask(inLanguage("myWriteImportedBanks, cannot write file & err=& &",
                                   latin1("myWriteImportedBanks, ne peut écrire fichier & err=& &")),
                        {displayPath(path), error, errorText(error)}));
    return false;
}

bool reportRecovery(const fs::path& bank, int error) {
    myErrorBox(fillMask(importText(ImportText::RecoveryFailed), {displayPath(bank), error, errorText(error)}));
    return false;
}

// Removes the earlier copies and every fresh name of the pair, the
// journal's own included, then the journal.
bool removeLeftovers(const PairNames& n, const PairStepHook& hook, int& error) {
    const fs::path folder = n.journal.parent_path();
    std::vector<fs::path> stray;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (isFreshNameFor(name, n.banks[0].filename()) || isFreshNameFor(name, n.banks[1].filename()) ||
            isFreshNameFor(name, n.journal.filename()) || name == n.earlier[0].filename() ||
            name == n.earlier[1].filename())
            stray.push_back(it->path());
    }
    for (const fs::path& path : stray)
        if (removeDurably(path, error) != FileOutcome::Done) return false;
    step(hook, PairStep::LeftoversRemoved);
    if (removeDurably(n.journal, error) != FileOutcome::Done) return false;
    step(hook, PairStep::JournalRemoved);
    return true;
}

bool turnBack(const PairNames& n, const Journal& j, const PairStepHook& hook, int& error) {
    Journal back = j;
    back.forward = false;
    if (writeFileWhole(n.journal, journalBytes(back), true, error) != FileOutcome::Done) return false;
    step(hook, PairStep::TurnedBack);
    // A fresh file gone was renamed in: its bank gets the earlier one back
    // (or goes, when there was none).
    for (int k = 0; k < 2; ++k) {
        if (j.fresh[k].empty() || present(n.earlier[k].parent_path() / pathFromBytes(j.fresh[k]))) continue;
        const FileOutcome done = j.hadEarlier[k] ? (present(n.earlier[k]) ? renameDurably(n.earlier[k], n.banks[k], error)
                                                                          : FileOutcome::Done)
                                                 : removeDurably(n.banks[k], error);
        if (done != FileOutcome::Done) return false;
    }
    return true;
}

// Carries out a journal: forward renames what is still under a fresh name;
// when that fails, or the journal says back, the pair goes back. failedBank
// receives the bank that could not take its new file.
enum class Finish { Forward, Back, Stuck };

Finish finishJournal(const PairNames& n, const Journal& j, const PairStepHook& hook, int& error, int& failedBank) {
    failedBank = -1;
    bool forward = j.forward;
    for (int k = 0; forward && k < 2; ++k) {
        if (j.fresh[k].empty()) continue;
        const fs::path fresh = n.banks[k].parent_path() / pathFromBytes(j.fresh[k]);
        if (!present(fresh)) continue;
        if (renameDurably(fresh, n.banks[k], error) != FileOutcome::Done) {
            failedBank = k;
            forward = false;
            break;
        }
        step(hook, PairStep::NewIn, k);
    }
    if (!forward) {
        const int cause = error;
        if (!turnBack(n, j, hook, error)) return Finish::Stuck;
        error = cause;
    }
    int ignored = 0;
    if (!removeLeftovers(n, hook, forward ? error : ignored)) return forward ? Finish::Stuck : Finish::Back;
    return forward ? Finish::Forward : Finish::Back;
}

// What an interrupted replacement left, finished under the lock.
bool recoverPair(const PairNames& n, const PairStepHook& hook) {
    int error = 0;
    if (present(n.journal)) {
        std::string bytes;
        Journal j;
        int failed = -1;
        if (readRegularFile(n.journal, 4096, bytes, error) == FileOutcome::Done && parseJournal(bytes, n, j) &&
            finishJournal(n, j, {}, error, failed) == Finish::Stuck)
            return reportRecovery(n.banks[failed >= 0 ? failed : 0], error);
    }
    if (!removeLeftovers(n, {}, error)) return reportRecovery(n.banks[0], error);
    step(hook, PairStep::Locked);
    return true;
}

// The earlier bank's second name: a hard link costs nothing; a share
// without links gets a flushed copy.
bool keepEarlier(const PairNames& n, int k, int& error) {
    std::error_code ec;
    fs::create_hard_link(n.banks[k], n.earlier[k], ec);
    if (!ec) return syncFolder(n.earlier[k].parent_path(), error);
    std::string bytes;
    if (readRegularFile(n.banks[k], NoSizeLimit, bytes, error) != FileOutcome::Done) return false;
    return writeFreshFile(n.earlier[k], bytes, error) == FileOutcome::Done;
}

// Before the journal nothing but fresh names was touched: they go, with
// the report of what failed.
bool giveUp(const PairNames& n, const Journal& j, const fs::path& failed, int error) {
    int ignored = 0;
    for (int k = 0; k < 2; ++k) {
        if (!j.fresh[k].empty()) removeDurably(n.banks[k].parent_path() / pathFromBytes(j.fresh[k]), ignored);
        removeDurably(n.earlier[k], ignored);
    }
    return reportWrite(failed, error);
}

}  // namespace

fs::path bankPairLockPath(const fs::path& folder, const std::string& name) {
    return folder / pathFromBytes(".Questions_" + name + ".lock");
}

bool myReplaceBankPair(const fs::path& folder, const std::string& name, const std::array<std::string, 2>& files,
                       const PairStepHook& hook) {
    const PairNames n = pairNames(folder, name);
    FileLock lock;
    int error = 0;
    FileOutcome locked = lock.acquire(n.lock, true, error);
    // A link planted at the lock's name is never this program's: it goes
    // (the link, not what it points at) and the lock is taken again.
    if (locked == FileOutcome::NotRegular && fs::is_symlink(fs::symlink_status(n.lock)) &&
        removeDurably(n.lock, error) == FileOutcome::Done)
        locked = lock.acquire(n.lock, true, error);
    if (locked != FileOutcome::Done) {
        myErrorBox(fillMask(importText(ImportText::PairLockFailed), {displayPath(n.lock), error, errorText(error)}));
        return false;
    }
    if (!recoverPair(n, hook)) return false;

    // Compared again under the lock: another import may have come first.
    const std::array<BankOnDisk, 2> found = compareWithDisk(n.banks, files);
    Journal j;
    for (int k = 0; k < 2; ++k) {
        if (found[k] == BankOnDisk::Same) continue;
        fs::path fresh;
        if (writeFreshFileBeside(n.banks[k], files[k], fresh, error) != FileOutcome::Done)
            return giveUp(n, j, n.banks[k], error);
        j.fresh[k] = pathBytes(fresh.filename());
        step(hook, PairStep::NewWritten, k);
    }
    for (int k = 0; k < 2; ++k) {
        if (j.fresh[k].empty() || !present(n.banks[k])) continue;
        j.hadEarlier[k] = true;
        if (!keepEarlier(n, k, error)) return giveUp(n, j, n.banks[k], error);
        step(hook, PairStep::EarlierKept, k);
    }
    if (j.fresh[0].empty() && j.fresh[1].empty()) return true;
    // The journal's rename flushes the folder, and with it the fresh names
    // and the earlier copies.
    if (writeFileWhole(n.journal, journalBytes(j), true, error) != FileOutcome::Done)
        return giveUp(n, j, n.journal, error);
    step(hook, PairStep::JournalWritten);

    int failed = -1;
    switch (finishJournal(n, j, hook, error, failed)) {
    case Finish::Forward: return true;
    case Finish::Back: return reportWrite(n.banks[failed >= 0 ? failed : 0], error);
    case Finish::Stuck: return reportRecovery(n.banks[failed >= 0 ? failed : 0], error);
    }
    return false;
}

bool myRecoverInterruptedImports(const fs::path& folder) {
    const std::string head = ".Questions_", tail = ".lock";
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = pathBytes(it->path().filename());
        if (file.size() > head.size() + tail.size() && file.rfind(head, 0) == 0 &&
            file.compare(file.size() - tail.size(), tail.size(), tail) == 0)
            names.push_back(file.substr(head.size(), file.size() - head.size() - tail.size()));
    }
    bool ok = true;
    for (const std::string& name : names) {
        const PairNames n = pairNames(folder, name);
        FileLock lock;
        int error = 0;
        // A pair whose lock is held is being replaced right now: its
        // importer finishes it.
        if (lock.acquire(n.lock, false, error) != FileOutcome::Done) continue;
        ok = recoverPair(n, {}) && ok;
    }
    return ok;
}
