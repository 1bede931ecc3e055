#pragma once
// The Earth's main magnetic field by the International Geomagnetic Reference
// Field, 14th generation (IGRF-14), from 1900.0 to 2030.0. The coefficients are
// built into the program (data/igrf14coeffs.txt).

namespace mirval {

inline constexpr double kFieldModelFirstYear = 1900.0;
inline constexpr double kFieldModelLastYear = 2030.0;

// A place on or above the WGS 84 ellipsoid: latitude and longitude in degrees,
// north and east positive; height above the ellipsoid in metres.
struct GeodeticPlace {
    double latitude = 0, longitude = 0, height = 0;
};

// A place on a sphere about the Earth's centre: latitude and longitude in
// degrees, north and east positive; distance from the centre in metres.
struct GeocentricPlace {
    double latitude = 0, longitude = 0, radius = 0;
};

// The field vector in nanotesla: its north, east and down components.
struct FieldVector {
    double north = 0, east = 0, down = 0;

    double horizontal() const;   // horizontal intensity H
    double declination() const;  // degrees from true north, east positive
    double inclination() const;  // degrees below the horizontal
};

// Whether the day, month and year name a day of the Gregorian calendar.
bool isCalendarDay(int day, int month, int year);
// The start of a calendar day (one isCalendarDay accepts) as a decimal year:
// 1 July 2022 is 2022.4959.
double decimalYear(int day, int month, int year);

// The main field at a decimal year from kFieldModelFirstYear to
// kFieldModelLastYear: the five-yearly models interpolated linearly, their
// secular variation after the last. Components along the ellipsoid's north
// and its normal at the place.
FieldVector mainField(double year, const GeodeticPlace& place);
// The same, components along the sphere's north and radius (down).
FieldVector mainField(double year, const GeocentricPlace& place);

}  // namespace mirval
