// The heads of the drawings: header, layer table, symbol blocks.
#include "writers/dxf/head.hpp"

#include <algorithm>
#include <array>

#include "writers/dxf/group_lines.hpp"
#include "writers/dxf/layers.hpp"
#include "writers/dxf/station_kind.hpp"

namespace mirval {

using dxf::GroupLines;

namespace {

constexpr int kSurveyColour = 3, kExternalColour = 2, kRadiationColour = 6;
constexpr int kElevationColour = 110, kCeilingHeightColour = 30, kCeilingColour = 31;
constexpr int kWallColour = 122, kWallPointColour = 124;

template <std::size_t N>
using Entries = std::array<LayerEntry, N>;

// The three entries of a layer per station kind: survey, external, radiation.
constexpr Entries<3> kindEntries(const layers::ByKind& byKind) {
    const auto at = [&](StationKind kind) { return byKind[kindIndex(kind)]; };
    return {{{at(StationKind::Survey), kSurveyColour},
             {at(StationKind::External), kExternalColour},
             {at(StationKind::Radiation), kRadiationColour}}};
}

// The four wall-reading line layers and the wall point layer.
constexpr Entries<5> wallEntries(const std::array<std::string_view, 4>& lines, std::string_view point) {
    return {{{lines[0], kWallColour},
             {lines[1], kWallColour},
             {lines[2], kWallColour},
             {lines[3], kWallColour},
             {point, kWallPointColour}}};
}

template <std::size_t... N>
constexpr auto join(const Entries<N>&... parts) {
    Entries<(N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

namespace d3 = layers::d3;
constexpr auto k3dLayers = join(
    Entries<3>{{{d3::kTapeLine, kSurveyColour}, {d3::kExternalLine, kExternalColour},
                {d3::kRadiationLine, kRadiationColour}}},
    kindEntries(d3::kPoint), kindEntries(d3::kSymbol), kindEntries(d3::kTopName), kindEntries(d3::kLeftName),
    kindEntries(d3::kFrontName),
    Entries<12>{{{d3::kTopElevation, kElevationColour},
                 {d3::kLeftElevation, kElevationColour},
                 {d3::kFrontElevation, kElevationColour},
                 {d3::kVertical, kCeilingHeightColour},
                 {d3::kCeilingLine, kCeilingColour},
                 {d3::kCeilingPoint, kCeilingColour},
                 {d3::kTopCeilingHeight, kCeilingHeightColour},
                 {d3::kTopCeilingElevation, kCeilingColour},
                 {d3::kLeftCeilingHeight, kCeilingHeightColour},
                 {d3::kLeftCeilingElevation, kCeilingColour},
                 {d3::kFrontCeilingHeight, kCeilingHeightColour},
                 {d3::kFrontCeilingElevation, kCeilingColour}}},
    wallEntries(d3::kWallLine, d3::kWallPoint));

namespace d2 = layers::d2;
constexpr auto k2dLayers = join(
    Entries<3>{{{d2::kTapeLine, kSurveyColour}, {d2::kExternalLine, kExternalColour},
                {d2::kRadiationLine, kRadiationColour}}},
    kindEntries(d2::kPoint), kindEntries(d2::kTopName),
    Entries<3>{{{d2::kTopElevation, kElevationColour},
                {d2::kTopCeilingHeight, kCeilingHeightColour},
                {d2::kTopCeilingElevation, kCeilingColour}}},
    wallEntries(d2::kWallLine, d2::kWallPoint), kindEntries(d2::kSymbol));

namespace dp = layers::profile;
constexpr auto kProfileLayers = join(
    Entries<3>{{{dp::kTapeLine, kSurveyColour}, {dp::kExternalLine, kExternalColour},
                {dp::kRadiationLine, kRadiationColour}}},
    kindEntries(dp::kTopName),
    Entries<5>{{{dp::kTopElevation, kElevationColour},
                {dp::kTopCeilingHeight, kCeilingHeightColour},
                {dp::kTopCeilingElevation, kCeilingColour},
                {dp::kVertical, kCeilingHeightColour},
                {dp::kCeilingLine, kCeilingColour}}},
    kindEntries(dp::kSymbol));
static_assert(k3dLayers.size() == 35 && k2dLayers.size() == 20 && kProfileLayers.size() == 14);

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

// The symbol blocks of every drawing, one per station kind, in this order.
constexpr StationKind kBlockOrder[] = {StationKind::Survey, StationKind::External, StationKind::Radiation};

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
        for (const StationKind kind : kBlockOrder) {
            TETRADXF(o, LayerName(layers::d3::kSymbol[kindIndex(kind)]), LayerName(kindWord(kind)), symbolSize);
        }
    });
}

void CABDX2(OutputFile& out, double symbolSize) {
    writeDrawingHead(out, k2dLayers, [symbolSize](OutputFile& o) {
        for (const StationKind kind : kBlockOrder) {
            BLKESTACAODX2(o, LayerName(layers::d2::kSymbol[kindIndex(kind)]), LayerName(kindWord(kind)), symbolSize);
        }
    });
}

void CABDXP(OutputFile& out, double symbolSize) {
    writeDrawingHead(out, kProfileLayers, [symbolSize](OutputFile& o) {
        for (const StationKind kind : kBlockOrder) {
            BLKESTACAODX2(o, LayerName(layers::profile::kSymbol[kindIndex(kind)]), LayerName(kindWord(kind)),
                          symbolSize);
        }
    });
}

}  // namespace mirval
