#pragma once
// The DXF emitters every drawing is built from. Each writes one entity or table
// entry, as group-code / value line pairs, to a file its caller has open.
#include "text/fixed_text.hpp"
#include "text/output.hpp"

namespace mirval {

using LayerName = FixedText<40>;  // layer-name lines are written at full width
using LabelText = FixedText<50>;  // label text lines are written at full width

// LINE from (x1, y1, z1) to (x2, y2, z2); coordinates F10.2.
void PLDXF(double x1, double y1, double z1, double x2, double y2, double z2, OutputFile& out, const LayerName& layer);

// POINT at (x, y, z); coordinates F10.2.
void PNTDXF(double x, double y, double z, OutputFile& out, const LayerName& layer);

// TEXT at the world point (x, y, z), laid in the plane given by `plane`:
// 'X' (extrusion +X), 'Y' (extrusion +Y), anything else 'Z' (horizontal). The
// position is converted to the text's object coordinates. `flag` is the text
// generation flag: 0, 2 (backward) or 4 (upside down); any other value is 0.
void DXFTXLBL(double x, double y, double z, OutputFile& out, const LabelText& text, const LayerName& layer, char plane,
              int flag, double height);

// One LAYER entry of the layer table.
void LAYDXF(OutputFile& out, const LayerName& layer, int colour);

// Closes the ENTITIES section and ends the file.
void FIMDXF(OutputFile& out);

}  // namespace mirval
