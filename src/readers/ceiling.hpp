#pragma once
// Merging a ceiling reading of a survey line into its station's ceiling height.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// The rules differ between the base and the sighted station of a spreadsheet
// line and the sighted station of an SPE line.
struct CeilingRule {
    bool zeroReadingStored;  // a zero reading is stored as read (else as 0)
    double noticeAbove;      // smallest difference (%) that earns a notice
    bool noticeOnConsole;    // the notice goes to the console log too
};

inline constexpr CeilingRule kBaseCeiling{true, kGuard, false};
inline constexpr CeilingRule kSightedCeiling{false, 9.999999747378752e-05, false};
inline constexpr CeilingRule kSpeSightedCeiling{true, 9.999999747378752e-05, true};

// A reading at or below -0.001 is no reading. A zero reading marks a station
// without a ceiling as a radiation point. A real reading adds the instrument
// height; a station that already has a ceiling gets the mean of both, with a
// warning when they differ by more than the ceiling tolerance and a notice
// when they differ at all.
void mergeCeilingReading(Store& s, int row, int station, double reading, double instrumentHeight,
                         const CeilingRule& rule, RunLog& log);

}  // namespace mirval
