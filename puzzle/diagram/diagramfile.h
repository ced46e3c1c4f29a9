// Diagram files: discovery in the program folder, the reader that fills the
// diagram and tile tables, and the texts the reader and the file choice show.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

inline constexpr int32_t MaxDiagramFiles = 4;
inline constexpr int32_t MaxTilesPerDiagram = 12;
inline constexpr int32_t InitialDiagramSlots = 11;

inline constexpr size_t DisplayNameWidth = 32;
inline constexpr size_t WidestLabelLineWidth = 45;
inline constexpr size_t DiagramNameWidth = 40;
inline constexpr size_t KindWidth = 6;
inline constexpr size_t ConnectorsWidth = 12;
inline constexpr size_t LabelWidth = 45;
inline constexpr size_t DescriptionWidth = 300;

struct DiagramFileEntry {
    std::string DisplayName;      // fixed 32
    std::filesystem::path Path;   // whole path: a cut path could not be opened
    std::string WidestLabelLine;  // fixed 45
};

struct Diagram {
    std::string Name;  // fixed 40
    int32_t TileCount = 0;
    uint32_t RowMask = 0;     // bit r-1 for row r
    uint32_t ColumnMask = 0;  // bit c-1 for column c
    long long Offset = 0;     // where its header record begins in the file
};

struct Tile {
    int32_t Row = 0;     // 1 to 3; 0 when the record's position is not valid
    int32_t Column = 0;  // 1 to 9; 0 likewise
    int32_t TargetCell = 0;
    int32_t ScatterSlot = 0;
    std::string Kind;         // fixed 6, upper case
    std::string Connectors;   // fixed 12, upper case
    std::string Label;        // fixed 45
    std::string Description;  // fixed 300
};

inline bool hasPosition(const Tile& tile) {
    return tile.Row >= 1 && tile.Row <= 3 && tile.Column >= 1 && tile.Column <= 9;
}

// A diagram's tiles, indexed from 1 (slot 0 unused).
using DiagramTiles = std::array<Tile, MaxTilesPerDiagram + 1>;

// How many diagrams keep their tiles in memory: the first ones of the file
// as it is read, and one more brought back from the file when it is shown
// (loadDiagramTiles). A tile's fields are kept at their fixed widths, over
// 400 bytes each, so that a file of many small diagrams would otherwise cost
// a hundred times its size; beyond this count each diagram costs its entry
// in the diagram table only (about 100 bytes).
inline constexpr int32_t KeptDiagramTiles = 64;

// The tiles of the diagrams kept, by diagram number; a diagram not kept
// reads as one without tiles.
class TileTable {
public:
    DiagramTiles& operator[](size_t d) { return kept_[d]; }
    const DiagramTiles& operator[](size_t d) const {
        static const DiagramTiles none{};
        const auto it = kept_.find(d);
        return it == kept_.end() ? none : it->second;
    }
    bool holds(size_t d) const { return kept_.count(d) != 0; }
    size_t size() const { return kept_.size(); }
    void clear() { kept_.clear(); }
    // Lets go of every diagram after the first ones.
    void dropAfter(size_t first) { kept_.erase(kept_.upper_bound(first), kept_.end()); }

private:
    std::map<size_t, DiagramTiles> kept_;
};

// Diagram table, indexed from 1 (slot 0 unused); it always keeps one slot
// after the last diagram for the diagram list's prompt.
struct DiagramTables {
    std::vector<Diagram> Diagrams = std::vector<Diagram>(InitialDiagramSlots);
    TileTable Tiles;
    int32_t DiagramCount = 0;
};

// Makes room for diagram n and the prompt slot after it.
void growDiagramTables(DiagramTables& tables, int32_t n);

// Files found, the loaded file's diagrams and what is chosen among them.
struct PuzzleFiles {
    std::filesystem::path ProgramFolder;
    std::string TileFontName;
    std::array<DiagramFileEntry, MaxDiagramFiles + 1> Files;  // 1 to 4
    int32_t DiagramFileCount = 0;
    int32_t SelectedFile = 0;
    int32_t LoadedFile = 0;
    DiagramTables Tables;
    int32_t SelectedDiagram = 0;
    int32_t ShownDiagram = 0;
};

// Text widths in pixels for a font; the window installs real font metrics.
// Without it, widths are estimated from the character count so that tools
// without a display still get a usable widest line.
struct FontMetricsPort {
    std::function<int(const std::string& face, int points, bool bold, const std::string& text)>
        textWidth;
};
FontMetricsPort& fontMetricsPort();
int measureTextWidth(const std::string& face, int points, bool bold, const std::string& text);

// A tile's label split into its placement code (trimmed, upper case) and its
// text (the part after the first "|").
struct LabelParts {
    std::string Code;
    std::string Text;
};
LabelParts splitLabel(const std::string& label);

// Things the reader accepts silently but an author wants to hear about.
struct ReadNote {
    int32_t Line = 0;
    std::string Text;
};

// The diagram files' names, as the file finder takes them.
inline constexpr const char* DiagramFilePattern = "\\Diagrams*.txt";

// Lists "Diagrams*.txt" of files.ProgramFolder (at most 4) into files.Files;
// true when at least one was found.
bool findDiagramFiles(PuzzleFiles& files);

// Reads one diagram file into tables. Shows "Reading <path>" in the status
// line while it works. On success widestLine is the widest line of tile text
// (at most 45 characters). Failures are reported through the error box.
// Each diagram, once read whole with its tiles, is handed to eachDiagram
// when given (the checker looks at every diagram that way, without keeping
// them all).
using DiagramVisitor = std::function<void(int32_t diagram, const DiagramTiles& tiles)>;
bool readDiagramFile(const std::filesystem::path& path, const std::string& tileFontName,
                     DiagramTables& tables, std::string& widestLine,
                     std::vector<ReadNote>* notes = nullptr, const DiagramVisitor& eachDiagram = {});

// Makes sure diagram d of the file read from path has its tiles in
// tables.Tiles, reading them again from the file when they were not kept;
// another diagram brought back earlier then gives its place, so that the
// table never holds more than KeptDiagramTiles + 1 diagrams. A file changed
// since it was read is reported through the error box and nothing changes.
bool loadDiagramTiles(const std::filesystem::path& path, DiagramTables& tables, int32_t d);

// Messages 4 to 8 of the puzzle (4, 6, 7 and 8 are the reader's and the file
// choice's; 5 is the file finder's), in the current interface language.
std::string puzzleMessage(int number);
// The diagram list's prompt entry in the current interface language.
std::string diagramListPrompt();
