#pragma once
// What the drawings read from a station's ceiling height, and their label texts.
#include <cstddef>
#include <string_view>

#include "writers/dxf/emitters.hpp"
#include "text/fixed_text.hpp"

namespace mirval {

enum class StationKind { Survey, Radiation, External };

// The kind as an index into a per-kind table (layers::ByKind).
constexpr std::size_t kindIndex(StationKind kind) { return static_cast<std::size_t>(kind); }

// Below -0.001 external, from -0.001 up to (not including) 0.001 radiation
// point, 0.001 or more survey station (single-precision thresholds).
StationKind stationKind(double ht);

// "Estacao", "Radiacao" or "Externa": the word of the symbol, name and line
// layers and the block name.
std::string_view kindWord(StationKind kind);

// "Estacao", "Radiacao" or "Externo": the word of the point layers.
std::string_view pointWord(StationKind kind);

// A ceiling is drawn when HT and ZTETO are both above 0.001.
bool hasDrawableCeiling(double ht, double zteto);

// Name label: the 32-byte name followed by 18 blanks.
LabelText nameLabel(const Name& name);

// Number label: the value as F7.2 followed by 43 blanks.
LabelText numberLabel(double value);

// INSERT of a symbol block: layer and block at their own length, position F14.6.
void writeSymbolInsert(OutputFile& out, std::string_view layer, std::string_view block, double x, double y, double z);

}  // namespace mirval
