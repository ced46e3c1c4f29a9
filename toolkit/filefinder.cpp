#include "toolkit/filefinder.h"
#include "toolkit/platformnames.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace fs = std::filesystem;

std::string findFilesOverflowMask(int language) {
    return language == 1 ? "myFindFiles, nombre de fichiers excede & (&)"
                         : "myFindFiles, number of files exceeds & (&)";
}

std::string findFilesRefusedMask(int language) {
    return latin1(language == 1 ? "myFindFiles, pas des fichiers ordinaires (FIFO, périphérique, lien brisé), laissés de côté :&"
                                : "myFindFiles, not regular files (a FIFO, a device, a broken link), left out:&");
}

std::string finderLabel(const std::string& name, const std::string& prefix,
                        const std::string& suffix) {
    std::string label = suffix.empty() ? name : replaceAll(name, suffix, "");
    size_t at = prefix.empty() ? 0 : label.find(prefix);
    if (at != std::string::npos)
        label = label.substr(at + prefix.size());
    else
        label = prefix.size() < label.size() ? label.substr(prefix.size()) : std::string();
    size_t b = label.find_first_not_of(" _");
    size_t e = label.find_last_not_of(" _");
    label = b == std::string::npos ? std::string() : label.substr(b, e - b + 1);
    return fixedWidth(label, FinderLabelWidth);
}

static bool matchesIgnoringCase(const std::string& name, const std::string& prefix,
                                const std::string& suffix) {
    if (name.size() < prefix.size() + suffix.size()) return false;
    return lowerCase(name.substr(0, prefix.size())) == lowerCase(prefix) &&
           lowerCase(name.substr(name.size() - suffix.size())) == lowerCase(suffix);
}

std::vector<FoundFile> myFindFiles(const fs::path& folder, const std::string& pattern,
                                   int32_t& maxEntries, bool sayRefused) {
    // The pattern's fields split at every separator and "*": the next-to-last
    // is the name prefix, the last the suffix.
    std::vector<std::string> fields{""};
    for (char c : pattern) {
        if (c == '\\' || c == '/' || c == '*')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    const std::string suffix = fields.back();
    const std::string prefix = fields.size() >= 2 ? fields[fields.size() - 2] : std::string();

    // Each name is kept as the file system gives it, to be opened by, and in
    // Latin-1 for its label and the messages.
    struct Name {
        std::string Shown;
        fs::path OnDisk;
    };
    std::vector<Name> names, refused;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        std::string name = latin1(pathBytes(it->path().filename()));
        if (!matchesIgnoringCase(name, prefix, suffix)) continue;
        // Only regular files are read (a link to one is fine): a FIFO would
        // block its reader, a device would never end.
        if (isRegularFile(it->path()))
            names.push_back({name, it->path().filename()});
        else
            refused.push_back({name, it->path().filename()});
    }
    // Windows lists an NTFS folder in name order; do the same here so that the
    // files listed, and the one refused when there are too many, do not
    // depend on the file system.
    const auto byName = [](const Name& a, const Name& b) { return a.OnDisk.native() < b.OnDisk.native(); };
    std::sort(names.begin(), names.end(), byName);
    if (!refused.empty() && sayRefused) {
        std::sort(refused.begin(), refused.end(), byName);
        std::string list;
        for (const Name& name : refused) list += CRLF + name.Shown;
        myErrorBox(fillMask(findFilesRefusedMask(uiContext().InterfaceLanguage), {list}));
    }

    std::vector<FoundFile> found;
    for (const Name& name : names) {
        if (static_cast<int64_t>(found.size()) >= maxEntries) {
            myErrorBox(fillMask(findFilesOverflowMask(uiContext().InterfaceLanguage),
                                {std::to_string(maxEntries), name.Shown}));
            break;
        }
        found.push_back({finderLabel(name.Shown, prefix, suffix), folder / name.OnDisk});
    }
    return found;
}
