// The diagram reader, then what the puzzle asks of every tile it read.
#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzzsupport.h"
#include "puzzle/diagram/diagramfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchFile file("diagram");

    DiagramTables tables;
    std::string widest;
    std::vector<ReadNote> notes;
    const std::string input = inputFile(file, data, size);
    if (!readDiagramFile(input, "Arial", tables, widest, &notes)) return 0;

    if (tables.DiagramCount < 0) std::abort();
    // The prompt slot after the last diagram is always there.
    if (tables.Diagrams.size() <= static_cast<size_t>(tables.DiagramCount) ||
        tables.Tiles.size() != static_cast<size_t>(std::min(tables.DiagramCount, KeptDiagramTiles)))
        std::abort();
    if (widest.size() > WidestLabelLineWidth) std::abort();
    for (int32_t d = 1; d <= tables.DiagramCount; ++d) {
        const Diagram& diagram = tables.Diagrams[d];
        if (diagram.TileCount < 0 || diagram.TileCount > MaxTilesPerDiagram) std::abort();
        if (diagram.Name.size() != DiagramNameWidth) std::abort();
        // Beyond the diagrams kept, the tiles come back from the file.
        if (!loadDiagramTiles(input, tables, d)) std::abort();
        for (int32_t t = 1; t <= diagram.TileCount; ++t) {
            const Tile& tile = tables.Tiles[d][t];
            if (tile.Kind.size() != KindWidth || tile.Label.size() != LabelWidth) std::abort();
            splitLabel(tile.Label);
        }
    }
    return 0;
}
