#include "puzzle/diagram/diagramfile.h"

#include <algorithm>

#include "toolkit/errorbox.h"
#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

void growDiagramTables(DiagramTables& tables, int32_t n) {
    // Slot n + 1 must exist too: the file choice stores the list prompt there.
    const int32_t capacity = static_cast<int32_t>(tables.Diagrams.size());
    if (capacity - 1 < n + 1) {
        tables.Diagrams.resize(static_cast<size_t>(n) + 4);
    }
}

FontMetricsPort& fontMetricsPort() {
    static FontMetricsPort port;
    return port;
}

int measureTextWidth(const std::string& face, int points, bool bold, const std::string& text) {
    if (fontMetricsPort().textWidth) return fontMetricsPort().textWidth(face, points, bold, text);
    // About the average advance of a bold proportional face at 96 dots per inch.
    return static_cast<int>(text.size()) * points * 5 / 7;
}

LabelParts splitLabel(const std::string& label) {
    const std::string trimmed = trimSpaces(label);
    const size_t bar = trimmed.find('|');
    if (bar == std::string::npos) return {upperCase(trimSpaces(trimmed)), ""};
    return {upperCase(trimSpaces(trimmed.substr(0, bar))), trimmed.substr(bar + 1)};
}

std::string puzzleMessage(int number) {
    switch (number) {
    case 4: {
        const std::string common =
            "Program cannot find a file with Diagrams.\r\n"
            "Please copy Diagrams*.txt file to folder where program runs.\r\n\r\n" +
            latin1("Le programme ne peut trouver le fichier contenant les Schémas.") + "\r\n";
        return common + inLanguage(latin1("SVP copier un fichier Diagrams*.txt au même dossier "
                                          "où se trouve le programme."),
                                   latin1("SVP copier fichier Diagrams*.txt au même dossier où "
                                          "se trouve le programme."));
    }
    case 5:
        return findFilesOverflowMask(uiContext().InterfaceLanguage);
    case 6:
        return inLanguage("myReadQuestionBank, cannot open file & err=& &",
                          "myReadQuestionBank, ne peut ouvrir fichier & err=& &");
    case 7:
        return inLanguage("Please select Qualification", latin1("SVP Choisir Compétence"));
    case 8:
        return inLanguage("myReadQuestionBank, unidentified record at &...",
                          latin1("myReadQuestionBank, enregistrement inconnu à &..."));
    default:
        return std::string();
    }
}

std::string diagramListPrompt() {
    return inLanguage("-- Please select a diagram --", latin1("-- SVP choisir un schéma  --"));
}

bool findDiagramFiles(PuzzleFiles& files) {
    int32_t limit = MaxDiagramFiles;
    std::vector<FoundFile> found = myFindFiles(files.ProgramFolder, DiagramFilePattern, limit);
    files.DiagramFileCount = 0;
    for (const FoundFile& f : found) {
        if (files.DiagramFileCount >= MaxDiagramFiles) break;
        DiagramFileEntry& entry = files.Files[static_cast<size_t>(++files.DiagramFileCount)];
        entry.DisplayName = fixedWidth(f.Label, DisplayNameWidth);
        entry.Path = f.FullPath;
        entry.WidestLabelLine = fixedWidth("", WidestLabelLineWidth);
    }
    return files.DiagramFileCount > 0;
}

namespace {

// Fields are trimmed as the record line was.
std::string tileField(const std::vector<std::string>& fields, size_t i) {
    return i < fields.size() ? std::string(trimRecordLine(fields[i])) : std::string();
}

void note(std::vector<ReadNote>* notes, int32_t line, std::string text) {
    if (notes) notes->push_back({line, std::move(text)});
}

void noteIfCut(std::vector<ReadNote>* notes, int32_t line, int32_t tileNo, const char* fieldEn,
               const char* fieldFr, const std::string& value, size_t width) {
    if (value.size() <= width) return;
    // A label's field holds its placement code too: the author counts the
    // characters shown, after the "|".
    size_t shown = width;
    const size_t bar = value.find('|');
    if (std::string(fieldEn) == "label" && bar != std::string::npos && bar < width) shown = width - bar - 1;
    note(notes, line,
         fillMask(inLanguage("tile &: & cut to & characters", latin1("bloc & : & coupé à & "
                                                                       "caractères")),
                  {tileNo, inLanguage(fieldEn, latin1(fieldFr)), static_cast<int64_t>(shown)}));
}

struct MeasureState {
    std::string face;
    int widest = 0;
    std::string widestLine;
};

void measureLabel(MeasureState& m, const std::string& label) {
    LabelParts parts = splitLabel(label);
    if (parts.Code == "S") return;
    for (const std::string& line : splitFields(parts.Text, '\\')) {
        int width = measureTextWidth(m.face, 14, true, line);
        if (width > m.widest) {
            m.widest = width;
            m.widestLine = line;
        }
    }
}

Tile parseTileRecord(const std::string& line, int32_t t, int32_t lineNo, std::vector<ReadNote>* notes) {
    Tile tile;
    const std::vector<std::string> fields = splitFields(line, '~');
    const std::string position = upperCase(tileField(fields, 1));
    if (position.size() == 2 && position[0] >= 'A' && position[0] <= 'C' &&
        position[1] >= '1' && position[1] <= '9') {
        tile.Row = position[0] - 64;
        tile.Column = position[1] - '0';
        tile.TargetCell = 0;
    } else {
        note(notes, lineNo,
             fillMask(inLanguage("tile &: position \"&\" is not A1 to C9, the tile "
                                 "stays off the board",
                                 latin1("bloc & : la position \"&\" n'est pas entre A1 "
                                        "et C9, le bloc reste hors du schéma")),
                      {t, tileField(fields, 1)}));
    }
    const std::string kind = upperCase(tileField(fields, 2));
    const std::string connectors = upperCase(tileField(fields, 3));
    const std::string label = tileField(fields, 4);
    const std::string description = tileField(fields, 5);
    noteIfCut(notes, lineNo, t, "kind", "type", kind, KindWidth);
    noteIfCut(notes, lineNo, t, "connectors", "connecteurs", connectors, ConnectorsWidth);
    noteIfCut(notes, lineNo, t, "label", "texte", label, LabelWidth);
    noteIfCut(notes, lineNo, t, "description", "description", description,
              DescriptionWidth);
    tile.Kind = fixedWidth(kind, KindWidth);
    tile.Connectors = fixedWidth(connectors, ConnectorsWidth);
    tile.Label = fixedWidth(label, LabelWidth);
    tile.Description = fixedWidth(description, DescriptionWidth);
    return tile;
}

bool failReading(const std::string& message) {
    myErrorBox(message);
    myShowStatus("");
    return false;
}

}  // namespace

bool readDiagramFile(const std::filesystem::path& path, const std::string& tileFontName,
                     DiagramTables& tables, std::string& widestLine,
                     std::vector<ReadNote>* notes, const DiagramVisitor& eachDiagram) {
    myShowStatus("Reading " + displayPath(path));
    MeasureState measure{tileFontName, 0, std::string()};

    LineReader reader;
    if (!reader.open(path, WholeFileLimit)) {
        return failReading(fillMask(puzzleMessage(6),
                                    {displayPath(path), std::to_string(reader.error()),
                                     reader.failureText()}));
    }

    tables.DiagramCount = 0;
    tables.Tiles.clear();
    // The tiles of the diagram being read; handed over, and kept while few,
    // once the diagram is read whole.
    DiagramTiles current{};
    auto finishDiagram = [&] {
        const int32_t d = tables.DiagramCount;
        if (d < 1) return;
        if (eachDiagram) eachDiagram(d, current);
        if (d <= KeptDiagramTiles) tables.Tiles[static_cast<size_t>(d)] = current;
    };
    std::string raw;
    int32_t lineNo = 0;
    long long nextLineAt = reader.position();
    while (reader.next(raw)) {
        ++lineNo;
        const long long lineAt = nextLineAt;
        nextLineAt = reader.position();
        const std::string line(trimRecordLine(raw));
        if (line.empty() || line[0] == '^' || line[0] == '\'') continue;

        if (line[0] == '{') {
            finishDiagram();
            current = DiagramTiles{};
            const int32_t n = tables.DiagramCount + 1;
            growDiagramTables(tables, n);
            tables.DiagramCount = n;
            std::vector<std::string> pieces;
            std::string piece;
            for (char c : line) {
                if (c == '{' || c == '}') {
                    pieces.push_back(piece);
                    piece.clear();
                } else {
                    piece += c;
                }
            }
            pieces.push_back(piece);
            const std::string name = pieces.size() > 1 ? pieces[1] : std::string();
            if (name.size() > DiagramNameWidth)
                note(notes, lineNo,
                     fillMask(inLanguage("diagram name cut to & characters",
                                         latin1("nom de schéma coupé à & caractères")),
                              {static_cast<int64_t>(DiagramNameWidth)}));
            Diagram& d = tables.Diagrams[static_cast<size_t>(n)];
            d.Name = fixedWidth(name, DiagramNameWidth);
            d.TileCount = 0;
            d.RowMask = 0;
            d.ColumnMask = 0;
            d.Offset = lineAt;
            continue;
        }

        if (line[0] == '~') {
            if (tables.DiagramCount < 1) {
                note(notes, lineNo,
                     inLanguage("tile record before the first diagram header, skipped",
                                latin1("bloc avant le premier en-tête de schéma, ignoré")));
                continue;
            }
            Diagram& d = tables.Diagrams[static_cast<size_t>(tables.DiagramCount)];
            if (d.TileCount >= MaxTilesPerDiagram) {
                // A thirteenth tile would have neither a table entry nor a
                // free piece on the board: the author must shorten the diagram.
                myErrorBox(fillMask(
                    inLanguage("myReadQuestionBank, more than & tiles in diagram & at &...",
                               latin1("myReadQuestionBank, plus de & blocs dans le schéma & à "
                                      "&...")),
                    {MaxTilesPerDiagram, trimSpaces(d.Name), line.substr(0, 30)}));
                myShowStatus("");
                return false;
            }
            const int32_t t = ++d.TileCount;
            Tile& tile = current[static_cast<size_t>(t)];
            tile = parseTileRecord(line, t, lineNo, notes);
            if (hasPosition(tile)) {
                d.RowMask |= 1u << (tile.Row - 1);
                d.ColumnMask |= 1u << (tile.Column - 1);
            }
            measureLabel(measure, tile.Label);
            continue;
        }

        return failReading(fillMask(puzzleMessage(8), {line.substr(0, 30)}));
    }
    if (reader.readError()) {
        return failReading(fillMask(inLanguage("myReadQuestionBank, cannot read file & err=& &",
                                               "myReadQuestionBank, ne peut lire fichier & "
                                               "err=& &"),
                                    {displayPath(path), std::to_string(reader.error()),
                                     errorText(reader.error())}));
    }
    finishDiagram();
    myShowStatus("");
    widestLine = measure.widestLine.substr(0, WidestLabelLineWidth);
    return true;
}

bool loadDiagramTiles(const std::filesystem::path& path, DiagramTables& tables, int32_t d) {
    if (d < 1 || d > tables.DiagramCount) return false;
    if (tables.Tiles.holds(static_cast<size_t>(d))) return true;
    const Diagram& diagram = tables.Diagrams[static_cast<size_t>(d)];
    LineReader reader;
    if (!reader.open(path, WholeFileLimit))
        return failReading(fillMask(puzzleMessage(6), {displayPath(path), std::to_string(reader.error()),
                                                       reader.failureText()}));
    // Back at the diagram's header record, the same tile records as at the
    // first reading follow, up to the next header.
    DiagramTiles tiles{};
    int32_t count = 0;
    bool same = reader.seek(diagram.Offset);
    std::string raw;
    for (bool header = true; same && reader.next(raw); header = false) {
        const std::string line(trimRecordLine(raw));
        if (header) {
            same = !line.empty() && line[0] == '{';
            continue;
        }
        if (line.empty() || line[0] == '^' || line[0] == '\'') continue;
        if (line[0] != '~') break;
        if (++count > MaxTilesPerDiagram) break;
        tiles[static_cast<size_t>(count)] = parseTileRecord(line, count, 0, nullptr);
    }
    if (!same || count != diagram.TileCount || reader.readError())
        return failReading(fillMask(inLanguage("myReadQuestionBank, & changed since it was read: choose the file again",
                                               latin1("myReadQuestionBank, & a changé depuis sa lecture : "
                                                      "choisissez le fichier de nouveau")),
                                    {displayPath(path)}));
    // Only the diagrams kept at the reading stay beside this one.
    tables.Tiles.dropAfter(static_cast<size_t>(KeptDiagramTiles));
    tables.Tiles[static_cast<size_t>(d)] = tiles;
    return true;
}
