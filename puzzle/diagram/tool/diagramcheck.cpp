#include "puzzle/diagram/tool/diagramcheck.h"

#include <map>
#include <vector>

#include "puzzle/diagram/diagramfile.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

bool knownKind(const std::string& kind) {
    static const char* kinds[] = {"BOX", "DBOX", "DOT", "AMP", "MIX", "ANT", "MIKE",
                                  "SPKR", "DMLD", "FLT", "KEY", "CONS", "NONE"};
    for (const char* k : kinds)
        if (kind == k) return true;
    return false;
}

bool validConnectorItem(const std::string& item) {
    if (item.empty() || item.size() > 2) return false;
    if (std::string("LRTB").find(item[0]) == std::string::npos) return false;
    return item.size() == 1 || item[1] == 'I';
}

bool validPlacementCode(const std::string& code) {
    if (code == "S" || code == "C") return true;
    std::string number = code;
    if (!number.empty() && (number.back() == 'R' || number.back() == 'C')) number.pop_back();
    if (number.empty()) return false;
    bool digit = false, point = false;
    for (char c : number) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

std::string cellName(int32_t row, int32_t column) {
    return std::string(1, static_cast<char>('A' + row - 1)) + std::to_string(column);
}

std::string padRight(const std::string& s, size_t width) {
    return s.size() >= width ? s + " " : s + std::string(width - s.size(), ' ');
}

}  // namespace

int checkDiagramFile(const std::filesystem::path& path, std::string& listing) {
    listing.clear();
    DiagramTables tables;
    std::string widest;
    std::vector<ReadNote> notes;
    int errors = 0, warnings = 0;
    // Each diagram is looked at as soon as it is read, so that the tiles of
    // a file of many diagrams are never all kept; its part of the listing
    // comes after what is said of the file as a whole.
    std::string diagramsPart;
    std::string* said = &diagramsPart;
    auto problem = [&](bool error, const std::string& text) {
        (error ? errors : warnings)++;
        *said += (error ? "  ! " : "  ? ") + text + CRLF;
    };
    std::map<std::string, int32_t> names;
    int32_t playable = 0;
    auto lookAt = [&](int32_t d, const DiagramTiles& tiles) {
        std::string& listing = diagramsPart;
        const Diagram& diagram = tables.Diagrams[static_cast<size_t>(d)];
        const std::string name = trimSpaces(diagram.Name);
        const int errorsBefore = errors;
        listing += CRLF;
        listing += fillMask(diagram.TileCount == 1 ? inLanguage("&. & (& tile)", "&. & (& bloc)")
                                                   : inLanguage("&. & (& tiles)", "&. & (& blocs)"),
                            {d, name, diagram.TileCount}) +
                   CRLF;
        if (name.empty()) problem(false, inLanguage("the diagram has no name",
                                                    latin1("le schéma n'a pas de nom")));
        if (names.count(name))
            problem(true, fillMask(inLanguage("same name as diagram &: it cannot be chosen",
                                              latin1("même nom que le schéma & : impossible "
                                                     "à choisir")),
                                   {names[name]}));
        else
            names[name] = d;
        if (diagram.TileCount == 0)
            problem(true, inLanguage("the diagram has no tile", latin1("le schéma n'a aucun bloc")));

        // Grid of tile numbers as the author wrote the positions.
        std::array<std::array<int32_t, 10>, 4> grid{};
        for (int32_t t = 1; t <= diagram.TileCount; ++t) {
            const Tile& tile = tiles[static_cast<size_t>(t)];
            if (!hasPosition(tile)) continue;
            int32_t& cell = grid[static_cast<size_t>(tile.Row)][static_cast<size_t>(tile.Column)];
            if (cell != 0)
                problem(true, fillMask(inLanguage("tiles & and & share cell &",
                                                  latin1("les blocs & et & partagent la case &")),
                                       {cell, t, cellName(tile.Row, tile.Column)}));
            else
                cell = t;
        }
        listing += "       1  2  3  4  5  6  7  8  9";
        listing += CRLF;
        for (int32_t r = 1; r <= 3; ++r) {
            std::string row = "   " + std::string(1, static_cast<char>('A' + r - 1)) + " ";
            for (int32_t c = 1; c <= 9; ++c) {
                const int32_t t = grid[static_cast<size_t>(r)][static_cast<size_t>(c)];
                std::string mark = t ? std::to_string(t) : ".";
                row += std::string(3 - mark.size(), ' ') + mark;
            }
            listing += row + CRLF;
        }

        for (int32_t t = 1; t <= diagram.TileCount; ++t) {
            const Tile& tile = tiles[static_cast<size_t>(t)];
            const std::string kind = trimSpaces(tile.Kind);
            const std::string connectors = trimSpaces(tile.Connectors);
            const std::string label = trimSpaces(tile.Label);
            std::string line = "  " + padRight(std::to_string(t), 3) +
                               padRight(hasPosition(tile) ? cellName(tile.Row, tile.Column) : "--", 3) +
                               padRight(kind, 5) + padRight(connectors, 12) + label;
            listing += line + CRLF;
            listing += "         " + trimBlanks(tile.Description) + CRLF;

            if (!hasPosition(tile))
                problem(true, fillMask(inLanguage("tile & has no valid position (A1 to C9)",
                                                  latin1("le bloc & n'a pas de position valide "
                                                         "(A1 à C9)")),
                                       {t}));
            if (!knownKind(kind))
                problem(false, fillMask(inLanguage("tile &: kind \"&\" is unknown, drawn as BOX",
                                                   latin1("bloc & : type \"&\" inconnu, dessiné "
                                                          "comme BOX")),
                                        {t, kind}));
            if (!connectors.empty()) {
                for (const std::string& item : splitFields(connectors, ',')) {
                    if (!validConnectorItem(trimSpaces(item)))
                        problem(false,
                                fillMask(inLanguage("tile &: connector \"&\" is not L, R, T or B "
                                                    "with an optional I",
                                                    latin1("bloc & : connecteur \"&\" n'est pas "
                                                           "L, R, T ou B suivi ou non de I")),
                                         {t, trimSpaces(item)}));
                }
            }
            if (!label.empty()) {
                if (label.find('|') == std::string::npos)
                    problem(false, fillMask(inLanguage("tile &: label has no \"|\" after its "
                                                       "placement code",
                                                       latin1("bloc & : le texte n'a pas de \"|\" "
                                                              "après son code de placement")),
                                            {t}));
                else if (!validPlacementCode(splitLabel(label).Code))
                    problem(false, fillMask(inLanguage("tile &: placement code \"&\" is not S, C "
                                                       "or a number with R or C",
                                                       latin1("bloc & : code de placement \"&\" "
                                                              "n'est pas S, C ou un nombre suivi "
                                                              "ou non de R ou C")),
                                            {t, splitLabel(label).Code}));
            }
            if (trimBlanks(tile.Description).empty())
                problem(false, fillMask(inLanguage("tile &: no description",
                                                   latin1("bloc & : aucune description")),
                                        {t}));
        }
        // An error (!) leaves this diagram unplayable, not the file.
        if (errors == errorsBefore) ++playable;
    };
    if (!readDiagramFile(path, "", tables, widest, &notes, lookAt)) return 1;
    said = &listing;

    listing += inLanguage("File: ", "Fichier : ") + displayPath(path) + CRLF;
    listing += fillMask(inLanguage("Diagrams: &", latin1("Schémas : &")),
                        {tables.DiagramCount}) +
               CRLF;
    listing += inLanguage("Widest label line (estimated without fonts): \"",
                          latin1("Ligne de texte la plus large (estimée sans polices) : \"")) +
               widest + "\"" + CRLF;

    std::string bytes;
    int error = 0;
    if (readFileBytes(path, bytes, error) && looksLikeUtf8(bytes))
        problem(false, inLanguage("the file looks like UTF-8; the puzzle reads Latin-1",
                                  latin1("le fichier semble en UTF-8 ; le casse-tête lit du "
                                         "Latin-1")));
    for (const ReadNote& n : notes)
        problem(false, fillMask(inLanguage("line &: &", "ligne & : &"), {n.Line, n.Text}));

    diagramsPart.insert(0, listing);
    listing = std::move(diagramsPart);
    listing += CRLF;
    listing += fillMask(inLanguage("& error(s), & warning(s)", "& erreur(s), & avertissement(s)"),
                        {errors, warnings}) +
               CRLF;
    if (playable == 0) {
        listing += inLanguage("Nothing to play: no diagram of this file can be played.",
                              latin1("Rien à jouer : aucun schéma de ce fichier ne peut être joué.")) +
                   CRLF;
        return 1;
    }
    return 0;
}
