#pragma once
// The profile drawing: the unrolled profile in the XY plane, distance along
// the profile across and elevation up, Z always 0.
#include "profile/profile_tables.hpp"
#include "text/output.hpp"

namespace mirval {

// Writes the whole drawing: head, one station per profile name, one floor (and
// ceiling) line per segment, end. An open failure is reported and stops the run.
void WRTDXP(const LongText& fileName, double labelHeight, double symbolSize, const ProfileValues& values,
            const ProfileChain& chain);

// The head: the 14-layer table and the three triangle symbol blocks.
void CABDXP(OutputFile& out, double symbolSize);

// One station: symbol, name, elevation and, where it has a ceiling, the vertical
// to it with the ceiling height and ceiling elevation.
void CADPDXP(const Name& name, double x, double y, double ht, double zt, OutputFile& out, double labelHeight);

// One segment: the floor line and, where both ends have a ceiling, the ceiling line.
void CADLDXP(double xFrom, double yFrom, double xTo, double yTo, double htTo, double ztTo, double ztFrom,
             OutputFile& out);

}  // namespace mirval
