// Station kinds, labels and symbol inserts of the drawings.
#include "writers/dxf/station_kind.hpp"

#include "store/store.hpp"
#include "writers/dxf/group_lines.hpp"

namespace mirval {

StationKind stationKind(double ht) {
    if (ht < kAbsent) return StationKind::External;
    if (ht < kPresent) return StationKind::Radiation;
    return StationKind::Survey;
}

std::string_view kindWord(StationKind kind) {
    switch (kind) {
        case StationKind::External: return "Externa";
        case StationKind::Radiation: return "Radiacao";
        case StationKind::Survey: break;
    }
    return "Estacao";
}

std::string_view pointWord(StationKind kind) { return kind == StationKind::External ? "Externo" : kindWord(kind); }

bool hasDrawableCeiling(double ht, double zteto) { return ht > kPresent && zteto > kPresent; }

LabelText nameLabel(const Name& name) { return LabelText(name.full()); }

LabelText numberLabel(double value) {
    char text[fmt::kMaxFieldWidth];
    return LabelText(std::string_view(text, fmt::writeF(text, value, 7, 2)));
}

void writeSymbolInsert(OutputFile& out, std::string_view layer, std::string_view block, double x, double y, double z) {
    dxf::GroupLines(out)
        .text("  0", "INSERT")
        .text("  5", "111")  // every INSERT carries this one handle: the drawings have always had it
        .text("  8", layer)
        .text("  2", block)
        .real(" 10", x, 14, 6)
        .real(" 20", y, 14, 6)
        .real(" 30", z, 14, 6);
}

}  // namespace mirval
