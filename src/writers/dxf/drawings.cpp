// The 3D drawing and the 2D plan: stations, survey lines, ceilings, wall readings.
#include "writers/dxf/drawings.hpp"

#include <algorithm>

#include "writers/dxf/head.hpp"
#include "writers/dxf/layers.hpp"
#include "writers/dxf/station_kind.hpp"

namespace mirval {

namespace {

namespace d3 = layers::d3;
namespace d2 = layers::d2;

// The per-kind layers of one drawing, as layer-name fields.
struct KindLayers {
    std::array<LayerName, 3> layers;
    explicit KindLayers(const layers::ByKind& names)
        : layers{LayerName(names[0]), LayerName(names[1]), LayerName(names[2])} {}
    const LayerName& operator[](StationKind kind) const { return layers[kindIndex(kind)]; }
};

const KindLayers k3dPoints(d3::kPoint);
const KindLayers k3dTopNames(d3::kTopName);
const KindLayers k3dLeftNames(d3::kLeftName);
const KindLayers k3dFrontNames(d3::kFrontName);
const KindLayers k2dPoints(d2::kPoint);
const KindLayers k2dTopNames(d2::kTopName);

const LayerName k3dTopElevation(d3::kTopElevation);
const LayerName k3dLeftElevation(d3::kLeftElevation);
const LayerName k3dFrontElevation(d3::kFrontElevation);
const LayerName k3dVertical(d3::kVertical);
const LayerName k3dCeilingPoint(d3::kCeilingPoint);
const LayerName k3dCeilingLine(d3::kCeilingLine);
const LayerName k3dTopCeilingHeight(d3::kTopCeilingHeight);
const LayerName k3dTopCeilingElevation(d3::kTopCeilingElevation);
const LayerName k3dLeftCeilingHeight(d3::kLeftCeilingHeight);
const LayerName k3dLeftCeilingElevation(d3::kLeftCeilingElevation);
const LayerName k3dFrontCeilingHeight(d3::kFrontCeilingHeight);
const LayerName k3dFrontCeilingElevation(d3::kFrontCeilingElevation);
const LayerName k2dTopElevation(d2::kTopElevation);
const LayerName k2dTopCeilingHeight(d2::kTopCeilingHeight);
const LayerName k2dTopCeilingElevation(d2::kTopCeilingElevation);

// Survey line layers: tape line, radiation line, external line.
struct LineLayers {
    LayerName tape, radiation, external;
};
const LineLayers k3dLines{LayerName(d3::kTapeLine), LayerName(d3::kRadiationLine), LayerName(d3::kExternalLine)};
const LineLayers k2dLines{LayerName(d2::kTapeLine), LayerName(d2::kRadiationLine), LayerName(d2::kExternalLine)};

// Wall-reading layers: one line layer per reading (LDB, LEB, LDV, LEV), one point layer.
struct WallLayers {
    std::array<LayerName, 4> line;
    LayerName point;
};
WallLayers wallLayers(const std::array<std::string_view, 4>& lines, std::string_view point) {
    return {{LayerName(lines[0]), LayerName(lines[1]), LayerName(lines[2]), LayerName(lines[3])}, LayerName(point)};
}
const WallLayers k3dWalls = wallLayers(d3::kWallLine, d3::kWallPoint);
const WallLayers k2dWalls = wallLayers(d2::kWallLine, d2::kWallPoint);

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

// Head, every computed station, every line, end; labels and symbols 0.6 high.
void writeDrawing(const Store& s, OutputFile& out, HeadWriter head, StationDrawer station, LineDrawer drawLine) {
    const StationTable& st = s.stations;
    const ShotTable& sh = s.shots;
    head(out, kSymbolSize);
    for (int i = 1; i <= kCapacity; ++i) {
        if (st.known[i] != 0) station(st.name[i], st.x[i], st.y[i], st.z[i], st.ht[i], st.zteto[i], out, kSymbolSize);
    }
    const int lines = std::clamp(s.lineCount, 0, kCapacity);
    for (int i = 1; i <= lines; ++i) {
        if (isStationIndex(sh.base[i]) && isStationIndex(sh.sighted[i])) {
            drawLine(st, sh, i, s.facts.hasWallReadings, out);
        }
    }
    FIMDXF(out);
}

}  // namespace

void CADPDXF(const Name& name, double x, double y, double z, double ht, double zteto, OutputFile& out, double h) {
    const StationKind kind = stationKind(ht);
    PNTDXF(x, y, z, out, k3dPoints[kind]);
    writeSymbolInsert(out, d3::kSymbol[kindIndex(kind)], kindWord(kind), x, y, z);
    const LabelText nameText = nameLabel(name);
    topLabel(x + 0.5 * h, y, z, out, nameText, k3dTopNames[kind], h);
    sideLabel(x + 0.5 * h, y - 0.5 * h, z, out, nameText, k3dLeftNames[kind], 'X', h);
    sideLabel(x + 0.5 * h, y, z, out, nameText, k3dFrontNames[kind], 'Y', h);
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
    PNTDXF(x, y, 0.0, out, k2dPoints[kind]);
    writeSymbolInsert(out, d2::kSymbol[kindIndex(kind)], kindWord(kind), x, y, 0.0);
    topLabel(x + 0.5 * h, y, 0.0, out, nameLabel(name), k2dTopNames[kind], h);
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

void WRTDX3(const Store& s, OutputFile& out) { writeDrawing(s, out, CABDXF, CADPDXF, drawLine3d); }

void WRTDX2(const Store& s, OutputFile& out) { writeDrawing(s, out, CABDX2, CADPDX2, drawLine2d); }

}  // namespace mirval
