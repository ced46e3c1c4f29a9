// What the files module decides alike on every system: the names it gives
// and how a fresh file beside a target is written.
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/platformside.h"

#include <atomic>
#include <random>
#include <string>

namespace fs = std::filesystem;

bool isFreshNameFor(const fs::path& name, const fs::path& targetName) {
    const std::string text = pathBytes(name);
    const std::string head = "." + pathBytes(targetName) + ".";
    const std::string tail = ".new";
    if (text.size() <= head.size() + tail.size() || text.compare(0, head.size(), head) != 0 ||
        text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    // Three numbers joined by "-", as freshNameBeside gives them.
    int numbers = 0;
    bool inNumber = false;
    for (size_t i = head.size(); i < text.size() - tail.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (!inNumber) ++numbers;
            inNumber = true;
        } else if (c == '-' && inNumber) {
            inNumber = false;
        } else {
            return false;
        }
    }
    return inNumber && numbers == 3;
}

// A name no other writer picks: the process, a count and a random part, in
// a hidden name that ends in neither ".txt" nor any name the programs list.
static fs::path freshNameBeside(const fs::path& target) {
    static std::atomic<unsigned> count{0};
    static const unsigned seed = std::random_device{}();
    const std::string name = "." + pathBytes(target.filename()) + "." + std::to_string(currentProcessNumber()) +
                             "-" + std::to_string(count.fetch_add(1)) + "-" + std::to_string(seed % 100000) +
                             ".new";
    return target.parent_path() / pathFromBytes(name);
}

FileOutcome writeFreshFileBeside(const fs::path& target, std::string_view bytes, fs::path& fresh, int& error) {
    FileOutcome outcome = FileOutcome::Exists;
    // A name planted where this program would write is simply passed by.
    for (int attempt = 0; attempt < 16 && outcome == FileOutcome::Exists; ++attempt) {
        fresh = freshNameBeside(target);
        outcome = writeFreshFile(fresh, bytes, error);
    }
    if (outcome != FileOutcome::Done) fresh.clear();
    return outcome;
}
