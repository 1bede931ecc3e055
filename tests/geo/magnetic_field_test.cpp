// The IGRF-14 synthesis against the IGRF-13 reference program's sample output.
#include "geo/magnetic_field.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace mirval {
namespace {

// "2019.5" or "2018,10,7".
double sampleYear(const std::string& text) {
    int year = 0, month = 0, day = 0;
    if (std::sscanf(text.c_str(), "%d,%d,%d", &year, &month, &day) == 3) return decimalYear(day, month, year);
    return std::stod(text);
}

// "-70.3" or "-70,18,0" (degrees, minutes, seconds; the sign for the whole).
double sampleAngle(const std::string& text) {
    double degrees = 0, minutes = 0, seconds = 0;
    std::sscanf(text.c_str(), "%lf,%lf,%lf", &degrees, &minutes, &seconds);
    return std::copysign(std::fabs(degrees) + minutes / 60 + seconds / 3600, text[0] == '-' ? -1.0 : 1.0);
}

TEST(MagneticField, SampleValuesOfTheReferenceProgram) {
    std::ifstream sample(MIRVAL_SOURCE_DIR "/tests/geo/data/igrf_sample_out_IGRF13.txt");
    std::string line;
    ASSERT_TRUE(std::getline(sample, line));  // the heading
    int rows = 0;
    while (std::getline(sample, line)) {
        std::istringstream in(line);
        std::string date, system, altitude, latitude, longitude, degreesOfD, minutesOfD, inclination[2];
        double horizontal = 0;
        in >> date >> system >> altitude >> latitude >> longitude >> degreesOfD >> minutesOfD >> inclination[0] >>
            inclination[1] >> horizontal;
        const double year = sampleYear(date);
        const double lat = sampleAngle(latitude), lon = sampleAngle(longitude);
        const double unit = altitude[0] == 'K' ? 1000 : altitude[0] == 'F' ? 0.3048 : 1;  // km, feet or metres
        const double metres = std::stod(altitude.substr(1)) * unit;
        const FieldVector field = system == "C" ? mainField(year, GeocentricPlace{lat, lon, metres})
                                                : mainField(year, GeodeticPlace{lat, lon, metres});
        const double minutes = (degreesOfD[0] == '-' ? -1 : 1) * std::stod(minutesOfD);
        // IGRF-14 revised the field after 2020; the sample is rounded to the minute.
        EXPECT_NEAR(field.declination(), std::stod(degreesOfD) + minutes / 60, year < 2021 ? 0.02 : 0.1) << line;
        EXPECT_NEAR(field.horizontal(), horizontal, horizontal * (year < 2021 ? 0.0005 : 0.002)) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 20);
}

TEST(MagneticField, DecimalYears) {
    EXPECT_DOUBLE_EQ(decimalYear(1, 7, 2022), 2022 + 181.0 / 365);
    EXPECT_DOUBLE_EQ(decimalYear(31, 12, 2024), 2024 + 365.0 / 366);
}

}  // namespace
}  // namespace mirval
