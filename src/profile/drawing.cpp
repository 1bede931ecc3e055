#include "profile/drawing.hpp"

#include <string>

#include "core/stop.hpp"
#include "dxf/emitters.hpp"
#include "dxf/head.hpp"
#include "dxf/station_kind.hpp"

namespace mirval {

namespace {

constexpr LayerEntry kProfileLayers[] = {
    {"MVP_All_Linha_de_Trena", 3}, {"MVP_All_Linha_Externa", 2},  {"MVP_All_Linha_Radiacao", 6},
    {"MVP_Top_Nome_Estacao", 3},   {"MVP_Top_Nome_Externa", 2},   {"MVP_Top_Nome_Radiacao", 6},
    {"MVP_Top_Cota_Estacao", 110}, {"MVP_Top_Altura_Teto", 30},   {"MVP_Top_Cota_Teto", 31},
    {"MVP_All_Vertical_Teto", 30}, {"MVP_All_Linha_Teto", 31},    {"MVP_All_Tri_Estacao", 3},
    {"MVP_All_Tri_Externa", 2},    {"MVP_All_Tri_Radiacao", 6},
};

// A ceiling elevation below this is the no-ceiling marker.
constexpr double kNoCeilingBelow = -9000.0;

std::string kindLayer(std::string_view lead, StationKind kind) {
    return std::string(lead) + std::string(kindWord(kind));
}

// A label in the drawing plane: plane "Z", flag 0.
void label(OutputFile& out, double x, double y, const LabelText& text, std::string_view layer, double h) {
    DXFTXLBL(x, y, 0.0, out, text, LayerName(layer), 'Z', 0, h);
}

}  // namespace

void CABDXP(OutputFile& out, double symbolSize) {
    writeDrawingHead(out, kProfileLayers, [symbolSize](OutputFile& o) {
        for (const StationKind kind : {StationKind::Survey, StationKind::External, StationKind::Radiation}) {
            BLKESTACAODX2(o, LayerName(kindLayer("MVP_All_Tri_", kind)), LayerName(kindWord(kind)), symbolSize);
        }
    });
}

void CADPDXP(const Name& name, double x, double y, double ht, double zt, OutputFile& out, double h) {
    const StationKind kind = stationKind(ht);
    writeSymbolInsert(out, kindLayer("MVP_All_Tri_", kind), kindWord(kind), x, y, 0.0);
    label(out, x + 0.5 * h, y, nameLabel(name), kindLayer("MVP_Top_Nome_", kind), h);
    label(out, x - 2.0 * h, y - 1.5 * h, numberLabel(y), "MVP_Top_Cota_Estacao", h);
    if (!hasDrawableCeiling(ht, zt)) return;
    PLDXF(x, y, 0.0, x, zt, 0.0, out, LayerName("MVP_All_Vertical_Teto"));
    label(out, x - 2.5 * h, zt + 1.5 * h, numberLabel(ht), "MVP_Top_Altura_Teto", h);
    label(out, x - 2.0 * h, zt + 3.0 * h, numberLabel(zt), "MVP_Top_Cota_Teto", h);
}

void CADLDXP(double xFrom, double yFrom, double xTo, double yTo, double htTo, double ztTo, double ztFrom,
             OutputFile& out) {
    const bool bothCeilings = ztFrom >= kNoCeilingBelow && ztTo >= kNoCeilingBelow;
    const char* floorLayer = !bothCeilings      ? "MVP_All_Linha_Externa"
                             : htTo < kPresent  ? "MVP_All_Linha_Radiacao"
                                                : "MVP_All_Linha_de_Trena";
    PLDXF(xFrom, yFrom, 0.0, xTo, yTo, 0.0, out, LayerName(floorLayer));
    if (bothCeilings) PLDXF(xFrom, ztFrom, 0.0, xTo, ztTo, 0.0, out, LayerName("MVP_All_Linha_Teto"));
}

void WRTDXP(const LongText& fileName, double labelHeight, double symbolSize, const ProfileValues& values,
            const ProfileChain& chain) {
    OutputFile out;
    openOrStop(out, fileName);
    CABDXP(out, symbolSize);
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
    out.close();
}

}  // namespace mirval
