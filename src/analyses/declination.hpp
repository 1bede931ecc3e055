#pragma once
// The turn every azimuth reading gets: the magnetic declination, the header's
// or the one IGRF-14 gives for the survey's date and place, less the UTM grid
// convergence at the initial station when asked for.
#include <string>

#include "store/store.hpp"

namespace mirval {

struct DeclinationOptions {
    bool automatic = false;        // the declination from IGRF-14 (the convergence comes with it)
    bool gridConvergence = false;  // the convergence with the header's declination
};

struct AzimuthCorrection {
    double degrees = 0;      // added to every azimuth reading: declination − convergence
    double declination = 0;  // the declination used: the header's or the computed one
    double convergence = 0;  // at the initial station; 0 without the options
    std::string logLine;     // the line the console log and the listings add; empty without the options
};

// Refuses the automatic declination for a format that carries no survey date
// (SPE). Needs only the format: a run can ask before it creates any file.
void checkDeclinationOptions(SurveyFormat format, const DeclinationOptions& options);

// What the run turns the azimuths by. Without the options: the header's
// declination, no convergence and no line. With either, the place is the
// initial station (X0, Y0 in the header's zone, negative in the south, by the
// program's own projection; Z0 as the height), and the line is, with the
// automatic declination and with the convergence alone:
//   DECLINACAO CALCULADA (IGRF-14) PARA 14/08/2022 EM 24.580 S 48.590 W: -20.58 GRAUS;
//     CONVERGENCIA MERIDIANA: -1.00 GRAUS                     (one line)
//   DECLINACAO DO CABECALHO: -21.50 GRAUS; CONVERGENCIA MERIDIANA EM 24.580 S 48.590 W: -1.00 GRAUS
// Stops the run (a failure) on an SPE survey with the automatic declination,
// a date that is not a calendar day or lies outside 01/01/1900 to 01/01/2030,
// a zone outside 1 to 60 in size, an initial station the zone's projection
// does not convert, or a height outside -1000 to 10000 m.
AzimuthCorrection azimuthCorrection(const SurveyHeader& header, SurveyFormat format,
                                    const DeclinationOptions& options);

// The declination to type into the header (the F7.2 of a spreadsheet
// survey's line 11) for the same coordinates without the options.
std::string typedDeclination(const AzimuthCorrection& correction);

}  // namespace mirval
