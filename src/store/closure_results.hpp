#pragma once
// What the loop-closure analysis finds: one record per loop and the readings
// most likely to be blunders. Plain data for the report and the desktop view.
#include <array>
#include <vector>

#include "store/instrument_errors.hpp"

namespace mirval {

// The squared ratio of a loop without blunders follows the chi-square law
// with 3 degrees of freedom: 95 % of such loops stay at or below a ratio of
// 2.80, 99.9 % at or below 4.03.
enum class ClosureVerdict {
    good,        // BOM: ratio up to 2.80
    acceptable,  // ACEITAVEL: ratio up to 4.03
    suspect,     // SUSPEITO: ratio above 4.03
};

// A survey line as the loop runs through it: +1 from base to sighted station, -1 against.
struct LoopLine {
    int row = 0;
    int direction = 1;
};

struct LoopClosure {
    int closingRow = 0;     // the survey line that joined two fixed stations
    int duplicate = 0;      // station 5001, 5002, ... where that line put its sighted station
    int original = 0;       // the sighted station the duplicate stands for
    int commonStation = 0;  // where the two chains of the loop meet
    std::vector<LoopLine> lines;  // the closing line first, then the chains
    double length = 0;            // sum of the inclined distances of the lines
    std::array<double, 3> misclosure{};  // east, north, up: duplicate minus original
    double misclosureLength = 0;
    double percent = 0;   // misclosure length per loop length, 0 for a loop of zero length
    double expected = 0;  // misclosure expected from the instruments, in its direction
    double ratio = 0;     // misclosure over its expected value
    ClosureVerdict verdict = ClosureVerdict::good;
};

enum class SuspectKind { distance, azimuth, inclination, reversed };

// One reading that, changed alone, would close the suspect loops through its line.
struct SuspectReading {
    int row = 0;
    SuspectKind kind = SuspectKind::distance;
    double measured = 0;   // metres or degrees; the azimuth for a reversed line
    double corrected = 0;  // the value that closes the loops; azimuth + 180 for a reversed line
    int loops = 0;                 // loops through the line
    int suspectBefore = 0;         // of them, suspect as measured
    int suspectAfter = 0;          // and suspect with the corrected reading
    double worstRatioBefore = 0;   // highest ratio of those loops as measured
    double worstRatioAfter = 0;    // and with the corrected reading
    double worstMisclosureAfter = 0;  // longest misclosure left in those loops, metres
    double explained = 0;  // percentage of the squared ratios of those loops the correction removes
};

struct ClosureSummary {
    int loops = 0;
    int acceptable = 0;
    int suspect = 0;
    double totalLength = 0;  // sum of the loop lengths
    double meanPercent = 0;
    double worstPercent = 0;
    int worstPercentRow = 0;  // closing line of the loop with the worst percentage
};

struct ClosureAnalysis {
    InstrumentErrors errors;
    std::vector<LoopClosure> loops;        // worst ratio first
    // At most ten: first those that close every suspect loop through their
    // line, then the partial ones; each group by the squared ratios removed.
    std::vector<SuspectReading> suspects;
    ClosureSummary summary;
};

}  // namespace mirval
