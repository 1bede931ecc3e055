#pragma once
// The head of a survey drawing: HEADER, the layer table, the station-symbol
// blocks and the opening of ENTITIES.
#include <functional>
#include <span>
#include <string_view>

#include "writers/dxf/emitters.hpp"

namespace mirval {

// One row of a drawing's layer table.
struct LayerEntry {
    std::string_view name;
    int colour;
};

// Writes the whole head of a drawing:
//   HEADER with "$DWGCODEPAGE" "ascii";
//   TABLES with one LAYER table (" 70" "  2") holding `layers` in their order,
//   each entry written by LAYDXF;
//   BLOCKS, whose content `writeBlocks(out)` writes (the symbol blocks);
//   and the opening of ENTITIES, left open for the caller's entities.
// CABDXF, CABDX2 and the profile drawing's head are this call with their own
// layer table and blocks, for example:
//   writeDrawingHead(out, kProfileLayers, [&](OutputFile& o) {
//       BLKESTACAODX2(o, "MVP_All_Tri_Estacao", "Estacao", symbolSize); ... });
void writeDrawingHead(OutputFile& out, std::span<const LayerEntry> layers,
                      const std::function<void(OutputFile&)>& writeBlocks);

// Triangle symbol block (edge `symbolSize`, apex towards +Y, plane Z = 0).
// The block is named by `block` without its trailing blanks.
void BLKESTACAODX2(OutputFile& out, const LayerName& layer, const LayerName& block, double symbolSize);

// Tetrahedron symbol block (edge scale `symbolSize`), six edges.
void TETRADXF(OutputFile& out, const LayerName& layer, const LayerName& block, double symbolSize);

// Head of the 3D drawing (35 layers, three tetrahedron blocks).
void CABDXF(OutputFile& out, double symbolSize);

// Head of the 2D drawing (20 layers, three triangle blocks).
void CABDX2(OutputFile& out, double symbolSize);

// Head of the profile drawing (14 layers, three triangle blocks).
void CABDXP(OutputFile& out, double symbolSize);

}  // namespace mirval
