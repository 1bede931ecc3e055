#include "dxf/drawings.hpp"

#include <algorithm>

#include "core/stop.hpp"
#include "dxf/head.hpp"
#include "dxf/station_kind.hpp"

namespace mirval {

namespace {

// Layers that depend on the station kind, indexed by StationKind.
struct KindLayers {
    LayerName point;
    std::string_view symbol;  // written at its own length in the INSERT
};

int index(StationKind kind) { return static_cast<int>(kind); }

// Survey, Radiation, External (the order of StationKind).
const std::array<KindLayers, 3> k3dKinds{{{LayerName("MV3_All_Ponto_Estacao"), "MV3_All_Tri_Estacao"},
                                          {LayerName("MV3_All_Ponto_Radiacao"), "MV3_All_Tri_Radiacao"},
                                          {LayerName("MV3_All_Ponto_Externo"), "MV3_All_Tri_Externa"}}};
const std::array<KindLayers, 3> k2dKinds{{{LayerName("MV2_All_Ponto_Estacao"), "MV2_All_Tri_Estacao"},
                                          {LayerName("MV2_All_Ponto_Radiacao"), "MV2_All_Tri_Radiacao"},
                                          {LayerName("MV2_All_Ponto_Externo"), "MV2_All_Tri_Externa"}}};

// Name label layers per view, indexed by StationKind.
using NameLayers = std::array<LayerName, 3>;
const NameLayers k3dTopNames{LayerName("MV3_Top_Nome_Estacao"), LayerName("MV3_Top_Nome_Radiacao"),
                             LayerName("MV3_Top_Nome_Externa")};
const NameLayers k3dLeftNames{LayerName("MV3_Left_Nome_Estacao"), LayerName("MV3_Left_Nome_Radiacao"),
                              LayerName("MV3_Left_Nome_Externa")};
const NameLayers k3dFrontNames{LayerName("MV3_Front_Nome_Estacao"), LayerName("MV3_Front_Nome_Radiacao"),
                               LayerName("MV3_Front_Nome_Externa")};
const NameLayers k2dTopNames{LayerName("MV2_Top_Nome_Estacao"), LayerName("MV2_Top_Nome_Radiacao"),
                             LayerName("MV2_Top_Nome_Externa")};

const LayerName k3dTopElevation("MV3_Top_Cota_Estacao");
const LayerName k3dLeftElevation("MV3_Left_Cota_Estacao");
const LayerName k3dFrontElevation("MV3_Front_Cota_Estacao");
const LayerName k3dVertical("MV3_All_Vertical_Teto");
const LayerName k3dCeilingPoint("MV3_All_Ponto_Teto");
const LayerName k3dCeilingLine("MV3_All_Linha_Teto");
const LayerName k3dTopCeilingHeight("MV3_Top_Altura_Teto");
const LayerName k3dTopCeilingElevation("MV3_Top_Cota_Teto");
const LayerName k3dLeftCeilingHeight("MV3_Left_Altura_Teto");
const LayerName k3dLeftCeilingElevation("MV3_Left_Cota_Teto");
const LayerName k3dFrontCeilingHeight("MV3_Front_Altura_Teto");
const LayerName k3dFrontCeilingElevation("MV3_Front_Cota_Teto");
const LayerName k2dTopElevation("MV2_Top_Cota_Estacao");
const LayerName k2dTopCeilingHeight("MV2_Top_Altura_Teto");
const LayerName k2dTopCeilingElevation("MV2_Top_Cota_Teto");

// Survey line layers: tape line, radiation line, external line.
struct LineLayers {
    LayerName tape, radiation, external;
};
const LineLayers k3dLines{LayerName("MV3_All_Linha_de_Trena"), LayerName("MV3_All_Linha_Radiacao"),
                          LayerName("MV3_All_Linha_Externa")};
const LineLayers k2dLines{LayerName("MV2_All_Linha_de_Trena"), LayerName("MV2_All_Linha_Radiacao"),
                          LayerName("MV2_All_Linha_Externa")};

// Wall-reading layers: one line layer per reading (LDB, LEB, LDV, LEV), one point layer.
struct WallLayers {
    std::array<LayerName, 4> line;
    LayerName point;
};
const WallLayers k3dWalls{{LayerName("MV3_Top_Leitura_Direita_Base"), LayerName("MV3_Top_Leitura_Esquerda_Base"),
                           LayerName("MV3_Top_Leitura_Direita_Visada"), LayerName("MV3_Top_Leitura_Esquerda_Visada")},
                          LayerName("MV3_Top_Ponto_Leituras")};
const WallLayers k2dWalls{{LayerName("MV2_Top_Leitura_Direita_Base"), LayerName("MV2_Top_Leitura_Esquerda_Base"),
                           LayerName("MV2_Top_Leitura_Direita_Visada"), LayerName("MV2_Top_Leitura_Esquerda_Visada")},
                          LayerName("MV2_Top_Ponto_Leituras")};

void line(const Point3& from, const Point3& to, OutputFile& out, const LayerName& layer) {
    PLDXF(from.x, from.y, from.z, to.x, to.y, to.z, out, layer);
}

// A horizontal label (plane Z, flag 0) and a label in a vertical view plane (backward).
void topLabel(double x, double y, double z, OutputFile& out, const LabelText& text, const LayerName& layer, double h) {
    DXFTXLBL(x, y, z, out, text, layer, 'Z', 0, h);
}
void sideLabel(double x, double y, double z, OutputFile& out, const LabelText& text, const LayerName& layer,
               char plane, double h) {
    DXFTXLBL(x, y, z, out, text, layer, plane, 2, h);
}

// Each present reading: a line from its station to its wall point, then the point.
void drawWalls(const Point3& base, const Point3& sighted, const LineWalls& walls, OutputFile& out,
               const WallLayers& layers) {
    for (std::size_t k = 0; k < walls.size(); ++k) {
        const WallReading& wall = walls[k];
        if (!(wall.reading > kAbsent)) continue;
        line(k < 2 ? base : sighted, wall.point, out, layers.line[k]);
        PNTDXF(wall.point.x, wall.point.y, wall.point.z, out, layers.point);
    }
}

bool isStationIndex(int i) { return i >= 0 && i <= kCapacity; }

Point3 stationPoint(const StationTable& st, int i) { return {st.x[i], st.y[i], st.z[i]}; }

LineWalls lineWalls(const ShotTable& sh, int i, bool withZ) {
    auto reading = [&](double value, const WallPoints& p) {
        return WallReading{value, {p.x[i], p.y[i], withZ ? p.z[i] : 0.0}};
    };
    return {reading(sh.ldb[i], sh.ldbPoint), reading(sh.leb[i], sh.lebPoint), reading(sh.ldv[i], sh.ldvPoint),
            reading(sh.lev[i], sh.levPoint)};
}

void drawLine3d(const StationTable& st, const ShotTable& sh, int i, bool withWalls, OutputFile& out) {
    const int b = sh.base[i];
    const int v = sh.sighted[i];
    const Point3 base = stationPoint(st, b);
    const Point3 sighted = stationPoint(st, v);
    CADLDXF(base, sighted, st.ht[v], st.zteto[v], st.zteto[b], st.ht[b], out);
    if (withWalls) LEITDXF(base, sighted, lineWalls(sh, i, true), out);
}

void drawLine2d(const StationTable& st, const ShotTable& sh, int i, bool withWalls, OutputFile& out) {
    const int v = sh.sighted[i];
    const Point3 base{st.x[sh.base[i]], st.y[sh.base[i]], 0.0};
    const Point3 sighted{st.x[v], st.y[v], 0.0};
    CADLDX2(base, sighted, st.ht[v], out);
    if (withWalls) LEITDX2(base, sighted, lineWalls(sh, i, false), out);
}

using HeadWriter = void (*)(OutputFile&, double);
using StationDrawer = void (*)(const Name&, double, double, double, double, double, OutputFile&, double);
using LineDrawer = void (*)(const StationTable&, const ShotTable&, int, bool, OutputFile&);

// Open, head, every computed station, every line, end, close.
void writeDrawing(const FileType& fileType, const LongText& fileName, double labelHeight, double symbolSize,
                  const StationTable& st, int lineCount, const ShotTable& sh, HeadWriter head,
                  StationDrawer station, LineDrawer drawLine) {
    OutputFile out;
    openOrStop(out, fileName);
    head(out, symbolSize);
    for (int i = 1; i <= kCapacity; ++i) {
        if (st.known[i] != 0) station(st.name[i], st.x[i], st.y[i], st.z[i], st.ht[i], st.zteto[i], out, labelHeight);
    }
    const bool withWalls = fileType.full() != "spe";  // SPE surveys carry no wall readings
    const int lines = std::clamp(lineCount, 0, kCapacity);
    for (int i = 1; i <= lines; ++i) {
        if (isStationIndex(sh.base[i]) && isStationIndex(sh.sighted[i])) drawLine(st, sh, i, withWalls, out);
    }
    FIMDXF(out);
    out.close();
}

}  // namespace

void CADPDXF(const Name& name, double x, double y, double z, double ht, double zteto, OutputFile& out, double h) {
    const StationKind kind = stationKind(ht);
    const KindLayers& layers = k3dKinds[index(kind)];
    PNTDXF(x, y, z, out, layers.point);
    writeSymbolInsert(out, layers.symbol, kindWord(kind), x, y, z);
    const LabelText nameText = nameLabel(name);
    topLabel(x + 0.5 * h, y, z, out, nameText, k3dTopNames[index(kind)], h);
    sideLabel(x + 0.5 * h, y - 0.5 * h, z, out, nameText, k3dLeftNames[index(kind)], 'X', h);
    sideLabel(x + 0.5 * h, y, z, out, nameText, k3dFrontNames[index(kind)], 'Y', h);
    const LabelText elevation = numberLabel(z);
    topLabel(x - 2 * h, y - 1.5 * h, z, out, elevation, k3dTopElevation, h);
    sideLabel(x - 2 * h, y + 1.5 * h, z - 1.5 * h, out, elevation, k3dLeftElevation, 'X', h);
    sideLabel(x - 2 * h, y + 1.5 * h, z - 1.5 * h, out, elevation, k3dFrontElevation, 'Y', h);
    if (!hasDrawableCeiling(ht, zteto)) return;

    PLDXF(x, y, z, x, y, zteto, out, k3dVertical);
    PNTDXF(x, y, zteto, out, k3dCeilingPoint);
    const LabelText height = numberLabel(ht);
    const LabelText ceiling = numberLabel(zteto);
    topLabel(x - 2.5 * h, y + 1.5 * h, zteto, out, height, k3dTopCeilingHeight, h);
    topLabel(x - 2 * h, y + 3 * h, zteto, out, ceiling, k3dTopCeilingElevation, h);
    sideLabel(x, y + 1.5 * h, zteto - h, out, height, k3dLeftCeilingHeight, 'X', h);
    sideLabel(x, y + 1.5 * h, zteto + 0.5 * h, out, ceiling, k3dLeftCeilingElevation, 'X', h);
    sideLabel(x - 0.5 * h, y + 1.5 * h, zteto - 1.5 * h, out, height, k3dFrontCeilingHeight, 'Y', h);
    sideLabel(x, y + 1.5 * h, zteto + 0.5 * h, out, ceiling, k3dFrontCeilingElevation, 'Y', h);
}

void CADLDXF(const Point3& base, const Point3& sighted, double sightedHt, double sightedZteto, double baseZteto,
             double baseHt, OutputFile& out) {
    // An external end makes an external line; otherwise the sighted station decides.
    const LayerName& layer = stationKind(sightedHt) == StationKind::External || stationKind(baseHt) == StationKind::External
                                 ? k3dLines.external
                             : stationKind(sightedHt) == StationKind::Survey ? k3dLines.tape
                                                                              : k3dLines.radiation;
    line(base, sighted, out, layer);
    if (hasDrawableCeiling(sightedHt, sightedZteto) && hasDrawableCeiling(baseHt, baseZteto)) {
        line({base.x, base.y, baseZteto}, {sighted.x, sighted.y, sightedZteto}, out, k3dCeilingLine);
    }
}

void LEITDXF(const Point3& base, const Point3& sighted, const LineWalls& walls, OutputFile& out) {
    drawWalls(base, sighted, walls, out, k3dWalls);
}

void CADPDX2(const Name& name, double x, double y, double z, double ht, double zteto, OutputFile& out, double h) {
    const StationKind kind = stationKind(ht);
    const KindLayers& layers = k2dKinds[index(kind)];
    PNTDXF(x, y, 0.0, out, layers.point);
    writeSymbolInsert(out, layers.symbol, kindWord(kind), x, y, 0.0);
    topLabel(x + 0.5 * h, y, 0.0, out, nameLabel(name), k2dTopNames[index(kind)], h);
    topLabel(x - 2 * h, y - 1.5 * h, 0.0, out, numberLabel(z), k2dTopElevation, h);
    if (!hasDrawableCeiling(ht, zteto)) return;
    topLabel(x - 2.5 * h, y + 1.5 * h, 0.0, out, numberLabel(ht), k2dTopCeilingHeight, h);
    topLabel(x - 2 * h, y + 3 * h, 0.0, out, numberLabel(zteto), k2dTopCeilingElevation, h);
}

void CADLDX2(const Point3& base, const Point3& sighted, double sightedHt, OutputFile& out) {
    const StationKind kind = stationKind(sightedHt);
    const LayerName& layer = kind == StationKind::External  ? k2dLines.external
                             : kind == StationKind::Survey ? k2dLines.tape
                                                           : k2dLines.radiation;
    line(base, sighted, out, layer);
}

void LEITDX2(const Point3& base, const Point3& sighted, const LineWalls& walls, OutputFile& out) {
    drawWalls(base, sighted, walls, out, k2dWalls);
}

void WRTDX3(const FileType& fileType, const LongText& fileName, double labelHeight, double symbolSize,
            const StationTable& stations, int lineCount, const ShotTable& shots) {
    writeDrawing(fileType, fileName, labelHeight, symbolSize, stations, lineCount, shots, CABDXF, CADPDXF,
                 drawLine3d);
}

void WRTDX2(const FileType& fileType, const LongText& fileName, double labelHeight, double symbolSize,
            const StationTable& stations, int lineCount, const ShotTable& shots) {
    writeDrawing(fileType, fileName, labelHeight, symbolSize, stations, lineCount, shots, CABDX2, CADPDX2,
                 drawLine2d);
}

}  // namespace mirval
