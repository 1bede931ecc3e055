#include "dxf/head.hpp"

#include <array>

#include "dxf/group_lines.hpp"

namespace mirval {

using dxf::GroupLines;

namespace {

constexpr std::array<LayerEntry, 35> k3dLayers{{
    {"MV3_All_Linha_de_Trena", 3},           {"MV3_All_Linha_Externa", 2},
    {"MV3_All_Linha_Radiacao", 6},           {"MV3_All_Ponto_Estacao", 3},
    {"MV3_All_Ponto_Externo", 2},            {"MV3_All_Ponto_Radiacao", 6},
    {"MV3_All_Tri_Estacao", 3},              {"MV3_All_Tri_Externa", 2},
    {"MV3_All_Tri_Radiacao", 6},             {"MV3_Top_Nome_Estacao", 3},
    {"MV3_Top_Nome_Externa", 2},             {"MV3_Top_Nome_Radiacao", 6},
    {"MV3_Left_Nome_Estacao", 3},            {"MV3_Left_Nome_Externa", 2},
    {"MV3_Left_Nome_Radiacao", 6},           {"MV3_Front_Nome_Estacao", 3},
    {"MV3_Front_Nome_Externa", 2},           {"MV3_Front_Nome_Radiacao", 6},
    {"MV3_Top_Cota_Estacao", 110},           {"MV3_Left_Cota_Estacao", 110},
    {"MV3_Front_Cota_Estacao", 110},         {"MV3_All_Vertical_Teto", 30},
    {"MV3_All_Linha_Teto", 31},              {"MV3_All_Ponto_Teto", 31},
    {"MV3_Top_Altura_Teto", 30},             {"MV3_Top_Cota_Teto", 31},
    {"MV3_Left_Altura_Teto", 30},            {"MV3_Left_Cota_Teto", 31},
    {"MV3_Front_Altura_Teto", 30},           {"MV3_Front_Cota_Teto", 31},
    {"MV3_Top_Leitura_Direita_Base", 122},   {"MV3_Top_Leitura_Esquerda_Base", 122},
    {"MV3_Top_Leitura_Direita_Visada", 122}, {"MV3_Top_Leitura_Esquerda_Visada", 122},
    {"MV3_Top_Ponto_Leituras", 124},
}};

constexpr std::array<LayerEntry, 20> k2dLayers{{
    {"MV2_All_Linha_de_Trena", 3},           {"MV2_All_Linha_Externa", 2},
    {"MV2_All_Linha_Radiacao", 6},           {"MV2_All_Ponto_Estacao", 3},
    {"MV2_All_Ponto_Externo", 2},            {"MV2_All_Ponto_Radiacao", 6},
    {"MV2_Top_Nome_Estacao", 3},             {"MV2_Top_Nome_Externa", 2},
    {"MV2_Top_Nome_Radiacao", 6},            {"MV2_Top_Cota_Estacao", 110},
    {"MV2_Top_Altura_Teto", 30},             {"MV2_Top_Cota_Teto", 31},
    {"MV2_Top_Leitura_Direita_Base", 122},   {"MV2_Top_Leitura_Esquerda_Base", 122},
    {"MV2_Top_Leitura_Direita_Visada", 122}, {"MV2_Top_Leitura_Esquerda_Visada", 122},
    {"MV2_Top_Ponto_Leituras", 124},         {"MV2_All_Tri_Estacao", 3},
    {"MV2_All_Tri_Externa", 2},              {"MV2_All_Tri_Radiacao", 6},
}};

// The symbol blocks of a drawing: one per station kind, in this order.
struct SymbolBlock {
    std::string_view layer, block;
};

constexpr std::array<SymbolBlock, 3> k3dBlocks{{
    {"MV3_All_Tri_Estacao", "Estacao"}, {"MV3_All_Tri_Externa", "Externa"}, {"MV3_All_Tri_Radiacao", "Radiacao"}}};
constexpr std::array<SymbolBlock, 3> k2dBlocks{{
    {"MV2_All_Tri_Estacao", "Estacao"}, {"MV2_All_Tri_Externa", "Externa"}, {"MV2_All_Tri_Radiacao", "Radiacao"}}};

struct Corner {
    double x, y, z;
};

// Block head and the point at its base point, which is written as "0.0".
void beginBlock(OutputFile& out, const LayerName& layer, const LayerName& block) {
    GroupLines(out)
        .text("  0", "BLOCK")
        .text("  8", layer.full())
        .text("  2", block.trimmed())
        .text(" 70", "     0")
        .text(" 10", "0.0")
        .text(" 20", "0.0")
        .text(" 30", "0.0")
        .text("  3", block.trimmed())
        .text("  0", "POINT")
        .text("  8", layer.full())
        .text(" 10", "0.0")
        .text(" 20", "0.0")
        .text(" 30", "0.0");
}

void blockEdge(OutputFile& out, const LayerName& layer, const Corner& from, const Corner& to) {
    GroupLines(out)
        .text("  0", "LINE")
        .text("  8", layer.full())
        .real(" 10", from.x, 14, 6)
        .real(" 20", from.y, 14, 6)
        .real(" 30", from.z, 14, 6)
        .real(" 11", to.x, 14, 6)
        .real(" 21", to.y, 14, 6)
        .real(" 31", to.z, 14, 6);
}

void endBlock(OutputFile& out) { GroupLines(out).text("  0", "ENDBLK"); }

}  // namespace

void writeDrawingHead(OutputFile& out, std::span<const LayerEntry> layers,
                      const std::function<void(OutputFile&)>& writeBlocks) {
    GroupLines(out)
        .text("  0", "SECTION")
        .text("  2", "HEADER")
        .text("  9", "$DWGCODEPAGE")
        .text("  3", "ascii")
        .text("  0", "ENDSEC")
        .text("  0", "SECTION")
        .text("  2", "TABLES")
        .text("  0", "TABLE")
        .text("  2", "LAYER")
        .text(" 70", "  2");
    for (const LayerEntry& entry : layers) LAYDXF(out, LayerName(entry.name), entry.colour);
    GroupLines(out).text("  0", "ENDTAB").text("  0", "ENDSEC").text("  0", "SECTION").text("  2", "BLOCKS");
    writeBlocks(out);
    GroupLines(out).text("  0", "ENDSEC").text("  0", "SECTION").text("  2", "ENTITIES");
}

void BLKESTACAODX2(OutputFile& out, const LayerName& layer, const LayerName& block, double symbolSize) {
    const double s = symbolSize;
    const double h = s * 1.7320507764816284 / 3;  // centre to corner
    const Corner a{0, h, 0};
    const Corner b{s / 2, -h / 2, 0};
    const Corner c{-s / 2, -h / 2, 0};
    beginBlock(out, layer, block);
    blockEdge(out, layer, a, b);
    blockEdge(out, layer, b, c);
    blockEdge(out, layer, c, a);
    endBlock(out);
}

void TETRADXF(OutputFile& out, const LayerName& layer, const LayerName& block, double symbolSize) {
    const double s = symbolSize;
    const double k = 0.6666666865348816;  // 2/3
    const Corner p1{s / 2, -s / 3, -s / 3};
    const Corner p2{-s / 2, -s / 3, -s / 3};
    const Corner p3{0, k * s, -s / 3};
    const Corner p4{0, 0, k * s};
    beginBlock(out, layer, block);
    blockEdge(out, layer, p1, p2);
    blockEdge(out, layer, p2, p3);
    blockEdge(out, layer, p3, p1);
    blockEdge(out, layer, p3, p4);
    blockEdge(out, layer, p2, p4);
    blockEdge(out, layer, p1, p4);
    endBlock(out);
}

void CABDXF(OutputFile& out, double symbolSize) {
    writeDrawingHead(out, k3dLayers, [symbolSize](OutputFile& o) {
        for (const SymbolBlock& b : k3dBlocks) TETRADXF(o, LayerName(b.layer), LayerName(b.block), symbolSize);
    });
}

void CABDX2(OutputFile& out, double symbolSize) {
    writeDrawingHead(out, k2dLayers, [symbolSize](OutputFile& o) {
        for (const SymbolBlock& b : k2dBlocks) BLKESTACAODX2(o, LayerName(b.layer), LayerName(b.block), symbolSize);
    });
}

}  // namespace mirval
