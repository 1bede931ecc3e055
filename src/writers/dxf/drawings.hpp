#pragma once
// The 3D drawing and the 2D plan of the reduced survey.
#include <array>

#include "store/store.hpp"
#include "text/output.hpp"
#include "writers/dxf/emitters.hpp"

namespace mirval {

// 3D drawing of the reduced survey: every computed station with its symbol and
// labels in three view planes, every line, ceilings and wall readings.
void WRTDX3(const Store& s, OutputFile& out);
// 2D plan of the reduced survey: the same items flattened onto Z = 0.
void WRTDX2(const Store& s, OutputFile& out);

struct Point3 {
    double x, y, z;
};

// One wall reading of a line and the wall point the reduction placed for it.
struct WallReading {
    double reading;
    Point3 point;
};

// The readings of a line in the order LDB, LEB (at the base), LDV, LEV (at the
// sighted station).
using LineWalls = std::array<WallReading, 4>;

// One station of the 3D drawing: point, symbol, six labels and, under a
// ceiling, the vertical, the ceiling point and six more labels.
void CADPDXF(const Name& name, double x, double y, double z, double ht, double zteto, OutputFile& out,
             double labelHeight);
// One survey line of the 3D drawing, with its ceiling line when both ends have one.
void CADLDXF(const Point3& base, const Point3& sighted, double sightedHt, double sightedZteto, double baseZteto,
             double baseHt, OutputFile& out);
// The wall readings of one line of the 3D drawing.
void LEITDXF(const Point3& base, const Point3& sighted, const LineWalls& walls, OutputFile& out);

// One station of the 2D plan.
void CADPDX2(const Name& name, double x, double y, double z, double ht, double zteto, OutputFile& out,
             double labelHeight);
// One survey line of the 2D plan; its layer follows from the sighted station.
void CADLDX2(const Point3& base, const Point3& sighted, double sightedHt, OutputFile& out);
// The wall readings of one line of the 2D plan (the caller passes Z = 0).
void LEITDX2(const Point3& base, const Point3& sighted, const LineWalls& walls, OutputFile& out);

}  // namespace mirval
