#include "toolkit/gui/filedialogs.h"
#include "toolkit/platformnames.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>

#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"

namespace {
std::string joinFields(const std::vector<std::string>& fields, char separator) {
    std::string joined;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) joined += separator;
        joined += fields[i];
    }
    return joined;
}

// Moves the entry equal (upper-cased) to wanted to the front of list.
std::string toFront(const std::string& list, char separator, const std::string& wanted) {
    std::vector<std::string> entries = splitFields(list, separator);
    for (size_t i = 1; i < entries.size(); ++i) {
        if (upperCase(trimSpaces(entries[i])) == wanted) {
            const std::string moved = entries[i];
            entries.erase(entries.begin() + std::ptrdiff_t(i));
            entries.insert(entries.begin(), moved);
            break;
        }
    }
    return joinFields(entries, separator);
}

// The description without a trailing "(...)" pattern list.
std::string bareDescription(const std::string& description) {
    const size_t open = description.rfind('(');
    if (open == std::string::npos || description.empty() || description.back() != ')')
        return description;
    return trimSpaces(description.substr(0, open));
}

std::string extensionOf(const std::string& name) {
    const size_t dot = name.rfind('.');
    const size_t separator = name.find_last_of("\\/:");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return ".*";
    return upperCase(name.substr(dot));
}

std::string withoutLeadingDots(const std::string& extension) {
    const size_t first = extension.find_first_not_of('.');
    return first == std::string::npos ? std::string() : extension.substr(first);
}

// A downloaded file's long name, its size, type and date, none of them cut:
// the list in detail, each column as wide as its widest entry, in a dialog
// wide enough for all four within the screen, the places beside it narrow.
void showWholeColumns(QFileDialog& dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    const QFontMetrics metrics(dialog.font());
    QSize size(metrics.averageCharWidth() * 130, metrics.height() * 28);
    const QWidget* owner = dialog.parentWidget();
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    dialog.resize(size);
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
    }
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({metrics.averageCharWidth() * 18, size.width()});
}

void prepare(QFileDialog& dialog, const std::string& title, const std::filesystem::path& initialFolder,
             const std::vector<std::string>& nameFilters, const std::string& defaultExtension) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!title.empty()) dialog.setWindowTitle(toQString(title));
    dialog.setDirectory(initialFolder.empty() ? QDir::currentPath() : toQPath(initialFolder));
    QStringList filters;
    for (const std::string& f : nameFilters)
        filters << toQString(f);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    const std::string suffix = withoutLeadingDots(defaultExtension);
    if (!suffix.empty()) dialog.setDefaultSuffix(toQString(suffix));
    showWholeColumns(dialog);
}

unsigned flagsOut(unsigned flags, const QString& chosen, const std::string& defaultExtension) {
    flags &= ~(OfnReadOnly | OfnExtensionDifferent);
    const std::string suffix = withoutLeadingDots(defaultExtension);
    if (!suffix.empty() &&
        QFileInfo(chosen).suffix().compare(toQString(suffix), Qt::CaseInsensitive) != 0)
        flags |= OfnExtensionDifferent;
    return flags;
}
} // namespace

std::vector<FilterPair> filterPairs(const std::string& filter) {
    std::vector<std::string> fields = splitFields(filter, '|');
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty()) {
            fields.resize(i);
            break;
        }
    }
    std::vector<FilterPair> pairs;
    if (fields.empty() || fields.size() % 2 != 0) return pairs;
    for (size_t i = 0; i < fields.size(); i += 2)
        pairs.push_back({fields[i], fields[i + 1]});
    return pairs;
}

SaveFilterChoice saveFilterChoice(const std::string& filter, const std::string& fileName,
                                  const std::string& defaultExtension) {
    SaveFilterChoice choice{0, filter};
    std::vector<FilterPair> pairs = filterPairs(filter);
    if (pairs.empty()) return choice;

    const std::string proposed =
        fileName.empty() ? "." + withoutLeadingDots(defaultExtension) : fileName;
    const std::string wanted = "*" + extensionOf(proposed);
    choice.Index = int(pairs.size());
    for (size_t p = 0; p < pairs.size(); ++p) {
        const std::vector<std::string> patterns = splitFields(pairs[p].Patterns, ';');
        for (size_t k = 0; k < patterns.size(); ++k) {
            if (upperCase(trimSpaces(patterns[k])) != wanted) continue;
            choice.Index = int(p) + 1;
            if (k > 0) {
                pairs[p].Patterns = toFront(pairs[p].Patterns, ';', wanted);
                std::string& description = pairs[p].Description;
                const size_t open = description.rfind('(');
                const size_t close = description.rfind(')');
                if (open != std::string::npos && close != std::string::npos && open < close)
                    description =
                        description.substr(0, open + 1) +
                        toFront(description.substr(open + 1, close - open - 1), ',', wanted) +
                        description.substr(close);
            }
            std::vector<std::string> fields;
            for (const FilterPair& pair : pairs) {
                fields.push_back(pair.Description);
                fields.push_back(pair.Patterns);
            }
            choice.Filter = joinFields(fields, '|');
            return choice;
        }
    }
    return choice;
}

std::vector<std::string> qtNameFilters(const std::string& filter) {
    std::vector<std::string> filters;
    for (const FilterPair& pair : filterPairs(filter)) {
        std::vector<std::string> patterns;
        for (const std::string& p : splitFields(pair.Patterns, ';'))
            if (!trimSpaces(p).empty()) patterns.push_back(trimSpaces(p));
        filters.push_back(bareDescription(pair.Description) + " (" + joinFields(patterns, ' ') +
                          ")");
    }
    return filters;
}

int myOpenFileDialog(QWidget* owner, const std::string& title, std::filesystem::path& fileName,
                     const std::filesystem::path& initialFolder, const std::string& filter,
                     const std::string& defaultExtension, unsigned& flags) {
    QFileDialog dialog(owner);
    const std::vector<std::string> nameFilters = qtNameFilters(filter);
    prepare(dialog, title, initialFolder, nameFilters, defaultExtension);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((flags & OfnAllowMultiSelect) ? QFileDialog::ExistingFiles
                       : (flags & OfnFileMustExist)  ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
    if (!nameFilters.empty()) dialog.selectNameFilter(toQString(nameFilters.front()));
    if (!fileName.empty()) dialog.selectFile(toQPath(fileName));

    const ModalRequest request{ModalKind::OpenFile, owner, &dialog, title, displayPath(fileName), flags};
    if (!runModal(request)) return 0;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return 0;
    if (chosen.size() == 1) {
        fileName = fromQPath(QDir::toNativeSeparators(chosen.front()));
    } else {
        // The desktop's multiple selection: the folder, then each name.
        std::string names = pathBytes(fromQPath(QDir::toNativeSeparators(QFileInfo(chosen.front()).absolutePath())));
        for (const QString& file : chosen) {
            names += '\0';
            names += pathBytes(fromQPath(QFileInfo(file).fileName()));
        }
        fileName = pathFromBytes(names);
    }
    flags = flagsOut(flags, chosen.front(), defaultExtension);
    return 1;
}

int mySaveFileDialog(QWidget* owner, const std::string& title, std::filesystem::path& fileName,
                     const std::filesystem::path& initialFolder, const std::string& filter,
                     const std::string& defaultExtension, unsigned& flags) {
    QFileDialog dialog(owner);
    const SaveFilterChoice choice = saveFilterChoice(filter, displayPath(fileName), defaultExtension);
    const std::vector<std::string> nameFilters = qtNameFilters(choice.Filter);
    prepare(dialog, title, initialFolder, nameFilters, defaultExtension);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!(flags & OfnOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (choice.Index > 0 && size_t(choice.Index) <= nameFilters.size())
        dialog.selectNameFilter(toQString(nameFilters[size_t(choice.Index - 1)]));
    if (!fileName.empty()) dialog.selectFile(toQPath(fileName));

    const ModalRequest request{ModalKind::SaveFile, owner, &dialog, title, displayPath(fileName), flags};
    const QStringList chosen = runModal(request) ? dialog.selectedFiles() : QStringList();
    if (chosen.isEmpty()) {
        fileName.clear();
        flags = 0;
        return 0;
    }
    fileName = fromQPath(QDir::toNativeSeparators(chosen.front()));
    flags = flagsOut(flags, chosen.front(), defaultExtension);
    return 1;
}
