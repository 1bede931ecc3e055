#pragma once
// KML 2.2 document of the reduced survey: a placemark per computed station,
// per drawn survey line and per left/right wall reading, all positions
// converted from UTM to latitude/longitude.
#include <string>
#include <string_view>

#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// KML file of the reduced survey, icons and labels at scale 0.6. The station
// placemarks show the UTM zone as the conversions leave it: it turns negative
// once a position converts to a southern latitude.
void WRTKML(const Store& s, OutputFile& out);

// A converted position: decimal degrees, north and east positive; Z in metres.
struct GeoPosition {
    double latitude = 0;
    double longitude = 0;
    double z = 0;
};

struct StationPlacemark {
    Name name;
    GeoPosition at;
    double ht = 0, zteto = 0;
    double x = 0, y = 0;
    int zone = 0;
};

// One end of a line placemark.
struct LineEnd {
    Name name;
    GeoPosition at;
    double ht = 0, zteto = 0;
};

// What a line placemark shows besides its ends.
struct LineReading {
    double azimuth = 0;
    double inclinedDistance = 0;
    double inclination = 0;
};

// The fixed pieces of the document.
void INIKML(OutputFile& out, const LongText& caveName, double iconScale, double labelScale);
void PTOKML(OutputFile& out, const StationPlacemark& station);
void FAPKML(OutputFile& out);
void LINKML(OutputFile& out, const LineEnd& end1, const LineEnd& end2, const LineReading& reading);
void FVALKML(OutputFile& out);
void LEIKML(OutputFile& out, const GeoPosition& station, const GeoPosition& wallPoint, double reading);
void FIMKML(OutputFile& out);

// The bytes as well-formed XML text in UTF-8: "&", "<" and ">" as entities;
// bytes that are not UTF-8 taken as Windows-1252 (older survey files) and
// converted; characters XML forbids (controls other than tab and line ends,
// U+FFFE, U+FFFF) dropped. Valid UTF-8 without them passes unchanged.
std::string xmlEscaped(std::string_view text);

}  // namespace mirval
