// The DXF emitters: LINE, POINT, TEXT, LAYER and the end of a drawing.
#include "writers/dxf/emitters.hpp"

#include <limits>

#include "writers/dxf/group_lines.hpp"

namespace mirval {

using dxf::GroupLines;

void PLDXF(double x1, double y1, double z1, double x2, double y2, double z2, OutputFile& out, const LayerName& layer) {
    GroupLines(out)
        .text("  0", "LINE")
        .text("  8", layer.full())
        .real(" 10", x1, 10, 2)
        .real(" 20", y1, 10, 2)
        .real(" 30", z1, 10, 2)
        .real(" 11", x2, 10, 2)
        .real(" 21", y2, 10, 2)
        .real(" 31", z2, 10, 2);
}

void PNTDXF(double x, double y, double z, OutputFile& out, const LayerName& layer) {
    GroupLines(out)
        .text("  0", "POINT")
        .text("  8", layer.full())
        .real(" 10", x, 10, 2)
        .real(" 20", y, 10, 2)
        .real(" 30", z, 10, 2);
}

namespace {

// A text plane: its extrusion direction (as I3 value lines) and the world
// point in the text's object coordinates (the arbitrary-axis mapping of that
// direction).
struct TextPlane {
    std::string_view extrusionX, extrusionY, extrusionZ;
    double ocsX, ocsY, ocsZ;
};

TextPlane textPlane(char plane, double x, double y, double z) {
    switch (plane) {
        case 'X': return {"  1", "  0", "  0", y, z, x};
        case 'Y': return {"  0", "  1", "  0", -x, z, y};
        default: return {"  0", "  0", "  1", x, y, z};
    }
}

// The text generation flag as its I3 value line.
std::string_view generationFlag(int flag) {
    switch (flag) {
        case 2: return "  2";
        case 4: return "  4";
        default: return "  0";
    }
}

// The height F7.2: every label of a drawing has the same, so its field is kept
// (one per thread: drawings are written side by side).
std::string_view heightField(double height) {
    thread_local double kept = std::numeric_limits<double>::quiet_NaN();
    thread_local char field[fmt::kMaxFieldWidth];
    if (!(height == kept)) {
        fmt::writeF(field, height, 7, 2);
        kept = height;
    }
    return {field, 7};
}

}  // namespace

void DXFTXLBL(double x, double y, double z, OutputFile& out, const LabelText& text, const LayerName& layer, char plane,
              int flag, double height) {
    const TextPlane p = textPlane(plane, x, y, z);
    GroupLines(out)
        .text("  0", "TEXT")
        .text("  7", "STANDARD")
        .text("  8", layer.full())
        .text(" 71", generationFlag(flag))
        .text("210", p.extrusionX)
        .text("220", p.extrusionY)
        .text("230", p.extrusionZ)
        .real(" 10", p.ocsX, 11, 2)
        .real(" 20", p.ocsY, 11, 2)
        .real(" 30", p.ocsZ, 11, 2)
        .text(" 40", heightField(height))
        .text("  1", text.full());
}

void LAYDXF(OutputFile& out, const LayerName& layer, int colour) {
    GroupLines(out)
        .text("  0", "LAYER")
        .text("  2", layer.full())
        .text(" 70", "     0")
        .integer(" 62", colour, 3)
        .text("  6", "CONTINUOUS");
}

void FIMDXF(OutputFile& out) { GroupLines(out).text("  0", "ENDSEC").text("  0", "EOF"); }

}  // namespace mirval
