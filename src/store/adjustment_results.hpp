#pragma once
// What the least-squares adjustment of the survey network finds: the
// variance factor, every station's shift and every line's correction. Plain
// data for the report and the desktop view.
#include <array>
#include <vector>

#include "store/instrument_errors.hpp"

namespace mirval {

// What the run asks of the adjustment.
struct AdjustmentRequest {
    InstrumentErrors errors;
    std::vector<int> floatedLines;  // survey line numbers given no weight
};

// Whether the standard deviations of the readings explain the survey, from the
// sum of squared normalised residuals on the chi-square law.
enum class AdjustmentVerdict {
    noLoops,      // nothing to adjust
    better,       // below its 5 % point: the readings are better than stated
    explained,    // up to its 95 % point
    doubtful,     // up to its 99.9 % point
    unexplained,  // above: errors larger than the instruments make
};

struct StationShift {
    int station = 0;
    std::array<double, 3> shift{};  // east, north, up: adjusted minus dead-reckoned
    double length = 0;
};

struct LineCorrection {
    int row = 0;
    std::array<double, 3> correction{};  // adjusted vector minus the vector read
    double normalised = 0;  // the correction's length in standard deviations of the line's vector
    bool floated = false;
};

struct AdjustmentResults {
    InstrumentErrors errors;
    std::vector<int> floatedLines;  // as requested, in the order given
    int stations = 0;               // of the network, the initial one included
    int lines = 0;                  // of the network, floated ones included
    int loops = 0;
    int degreesOfFreedom = 0;       // 3 per loop not closed by a floated line
    double chiSquare = 0;           // sum of the squared normalised residuals of the weighted lines
    double varianceFactor = 0;      // chiSquare / degreesOfFreedom
    AdjustmentVerdict verdict = AdjustmentVerdict::noLoops;
    std::vector<StationShift> shifts;        // every station, the largest shift first
    std::vector<LineCorrection> corrections;  // every line of the network, in row order
    std::vector<int> largest;  // indices into corrections: up to twenty, the largest normalised residual first
};

}  // namespace mirval
