// What the files module decides alike on every system: the names it gives.
#include "platform.h"
#include "platformnames.h"

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
