// The profile drawing: the unrolled profile with its stations and segments.
#include "writers/dxf/profile_drawing.hpp"

#include "writers/dxf/emitters.hpp"
#include "writers/dxf/head.hpp"
#include "writers/dxf/layers.hpp"
#include "writers/dxf/station_kind.hpp"

namespace mirval {

namespace {

namespace dp = layers::profile;

// A ceiling elevation below this is the no-ceiling marker.
constexpr double kNoCeilingBelow = -9000.0;

// A label in the drawing plane: plane "Z", flag 0.
void label(OutputFile& out, double x, double y, const LabelText& text, std::string_view layer, double h) {
    DXFTXLBL(x, y, 0.0, out, text, LayerName(layer), 'Z', 0, h);
}

}  // namespace

void CADPDXP(const Name& name, double x, double y, double ht, double zt, OutputFile& out, double h) {
    const StationKind kind = stationKind(ht);
    writeSymbolInsert(out, dp::kSymbol[kindIndex(kind)], kindWord(kind), x, y, 0.0);
    label(out, x + 0.5 * h, y, nameLabel(name), dp::kTopName[kindIndex(kind)], h);
    label(out, x - 2.0 * h, y - 1.5 * h, numberLabel(y), dp::kTopElevation, h);
    if (!hasDrawableCeiling(ht, zt)) return;
    PLDXF(x, y, 0.0, x, zt, 0.0, out, LayerName(dp::kVertical));
    label(out, x - 2.5 * h, zt + 1.5 * h, numberLabel(ht), dp::kTopCeilingHeight, h);
    label(out, x - 2.0 * h, zt + 3.0 * h, numberLabel(zt), dp::kTopCeilingElevation, h);
}

void CADLDXP(double xFrom, double yFrom, double xTo, double yTo, double htTo, double ztTo, double ztFrom,
             OutputFile& out) {
    const bool bothCeilings = ztFrom >= kNoCeilingBelow && ztTo >= kNoCeilingBelow;
    const std::string_view floorLayer = !bothCeilings     ? dp::kExternalLine
                                        : htTo < kPresent ? dp::kRadiationLine
                                                          : dp::kTapeLine;
    PLDXF(xFrom, yFrom, 0.0, xTo, yTo, 0.0, out, LayerName(floorLayer));
    if (bothCeilings) PLDXF(xFrom, ztFrom, 0.0, xTo, ztTo, 0.0, out, LayerName(dp::kCeilingLine));
}

void WRTDXP(const ProfileChain& chain, const ProfileValues& values, OutputFile& out) {
    const double labelHeight = kSymbolSize;
    CABDXP(out, kSymbolSize);
    for (int i = 1; i <= chain.nameCount; ++i) {
        CADPDXP(chain.name[i], values.distance[i], values.floorElevation[i], values.ceilingHeight[i],
                values.ceilingElevation[i], out, labelHeight);
    }
    for (int j = 1; j <= chain.segmentCount; ++j) {
        const int f = chain.from[j];
        const int t = chain.to[j];
        CADLDXP(values.distance[f], values.floorElevation[f], values.distance[t], values.floorElevation[t],
                values.ceilingHeight[t], values.ceilingElevation[t], values.ceilingElevation[f], out);
    }
    FIMDXF(out);
}

}  // namespace mirval
