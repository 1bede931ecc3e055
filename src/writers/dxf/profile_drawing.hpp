#pragma once
// The profile drawing: the unrolled profile in the XY plane, distance along
// the profile across and elevation up, Z always 0.
#include "store/profile_tables.hpp"
#include "text/output.hpp"

namespace mirval {

// Writes the whole drawing: head, one station per profile name, one floor (and
// ceiling) line per segment, end. Labels and symbols are 0.6 high.
void WRTDXP(const ProfileChain& chain, const ProfileValues& values, OutputFile& out);

// One station: symbol, name, elevation and, where it has a ceiling, the vertical
// to it with the ceiling height and ceiling elevation.
void CADPDXP(const Name& name, double x, double y, double ht, double zt, OutputFile& out, double labelHeight);

// One segment: the floor line and, where both ends have a ceiling, the ceiling line.
void CADLDXP(double xFrom, double yFrom, double xTo, double yTo, double htTo, double ztTo, double ztFrom,
             OutputFile& out);

}  // namespace mirval
