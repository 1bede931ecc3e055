// The azimuth correction from the survey header and the two options.
#include "analyses/declination.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "geo/convergence.hpp"
#include "geo/magnetic_field.hpp"
#include "geo/projection.hpp"
#include "store/stop.hpp"
#include "text/format.hpp"

namespace mirval {

namespace {

constexpr std::string_view kTypeItInstead = "INFORME A DECLINAÇÃO NO CABEÇALHO E PROCESSE SEM A DECLINAÇÃO AUTOMÁTICA";
constexpr int kZones = 60;
constexpr double kLowestHeight = -1000.0;   // metres; the field model is for the Earth's surface
constexpr double kHighestHeight = 10000.0;
constexpr double kSouthernFalseNorthing = 10000000.0;
constexpr double kRoundTripMetres = 1.0;  // how close a converted place must come back

// The survey cannot be turned as asked: the run leaves no file.
[[noreturn]] void refuse(const std::string& what, std::string_view advice) {
    RunStop stop(1, {what, std::string(advice)});
    stop.leavesNoFile = true;
    throw stop;
}

struct SurveyDate {
    int day = 0, month = 0, year = 0;
};

// A header text of digits alone, blanks around them allowed.
std::optional<int> numberIn(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    text = start == std::string_view::npos ? std::string_view{} : trim(text.substr(start));
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);  // at most four digits
    return value;
}

std::string dateText(const SurveyDate& d) {
    return fmt::Record().im(d.day, 2, 2).a("/").im(d.month, 2, 2).a("/").im(d.year, 4, 4).str();
}

// The survey date, a calendar day within the field model's years.
SurveyDate surveyDate(const SurveyHeader& h) {
    const std::optional<int> day = numberIn(h.day.full()), month = numberIn(h.month.full());
    const std::optional<int> year = numberIn(h.year.full());
    if (!day || !month || !year || !isCalendarDay(*day, *month, *year)) {
        refuse(fmt::Record()
                   .a("DATA DO LEVANTAMENTO INVÁLIDA: ")
                   .a(h.day.trimmed()).a(" ").a(h.month.trimmed()).a(" ").a(h.year.trimmed())
                   .str(),
               "CORRIJA A DATA NO CABEÇALHO: DIA, MÊS E ANO, COMO 14 08 2022");
    }
    const SurveyDate date{*day, *month, *year};
    const double decimal = decimalYear(date.day, date.month, date.year);
    if (decimal < kFieldModelFirstYear || decimal > kFieldModelLastYear) {
        refuse("DATA DO LEVANTAMENTO FORA DO PERÍODO DO IGRF-14 (01/01/1900 A 01/01/2030): " + dateText(date),
               kTypeItInstead);
    }
    return date;
}

void requireZone(int zone) {
    if (zone == 0 || zone < -kZones || zone > kZones) {
        refuse("ZONA UTM INVÁLIDA NO CABEÇALHO: " + fmt::I0(zone), "A ZONA VAI DE 1 A 60, NEGATIVA NO HEMISFÉRIO SUL");
    }
}

// Whether the place converts back to the initial station's X and Y.
bool convertsBack(const SurveyHeader& h, double latitude, double longitude) {
    double easting = 0.0, northing = 0.0;
    int zone = h.utmZone;
    GEOUTM(kGeographicToGrid, latitude, longitude, easting, northing, zone);
    // A place of a northern zone south of the equator comes back in the southern grid.
    const double expected = h.y0 + (h.utmZone > 0 && latitude < 0.0 ? kSouthernFalseNorthing : 0.0);
    return std::hypot(easting - h.x0, northing - expected) <= kRoundTripMetres;
}

// The initial station's place by the program's own projection; beyond the
// reach of the zone's projection series the run stops.
GeodeticPlace initialStation(const SurveyHeader& h) {
    double latitude = 0.0, longitude = 0.0, easting = h.x0, northing = h.y0;
    int zone = h.utmZone;
    const bool finite = std::isfinite(easting) && std::isfinite(northing);
    if (finite) GEOUTM(kGridToGeographic, latitude, longitude, easting, northing, zone);
    if (!finite || !convertsBack(h, latitude, longitude)) {
        refuse(fmt::Record()
                   .a("BASE INICIAL FORA DO ALCANCE DA ZONA UTM ").i0(h.utmZone)
                   .a(": X= ").f0(h.x0, 3).a(" Y= ").f0(h.y0, 3)
                   .str(),
               "VERIFIQUE X, Y E A ZONA UTM NO CABEÇALHO");
    }
    return {latitude, longitude, h.z0};
}

void requireFieldHeight(double height) {
    if (!(height >= kLowestHeight && height <= kHighestHeight)) {
        const std::string what = "ALTITUDE DA BASE INICIAL FORA DOS LIMITES DO MODELO DO CAMPO (-1000 A 10000 M): Z= ";
        refuse(what + fmt::F0(height, 3), "VERIFIQUE Z NO CABEÇALHO");
    }
}

// "24.580 S 48.590 W"
std::string placeText(const GeodeticPlace& p) {
    return fmt::Record()
        .f0(std::fabs(p.latitude), 3).a(p.latitude < 0.0 ? " S " : " N ")
        .f0(std::fabs(p.longitude), 3).a(p.longitude < 0.0 ? " W" : " E")
        .str();
}

AzimuthCorrection computedDeclination(const SurveyDate& date, const GeodeticPlace& place, double convergence) {
    const double year = decimalYear(date.day, date.month, date.year);
    const double declination = mainField(year, place).declination();
    const std::string line = fmt::Record()
                                 .a("DECLINACAO CALCULADA (IGRF-14) PARA ").a(dateText(date))
                                 .a(" EM ").a(placeText(place))
                                 .a(": ").f0(declination, 2)
                                 .a(" GRAUS; CONVERGENCIA MERIDIANA: ").f0(convergence, 2).a(" GRAUS")
                                 .str();
    return {declination - convergence, declination, convergence, line};
}

AzimuthCorrection headerDeclination(double declination, const GeodeticPlace& place, double convergence) {
    const std::string line = fmt::Record()
                                 .a("DECLINACAO DO CABECALHO: ").f0(declination, 2)
                                 .a(" GRAUS; CONVERGENCIA MERIDIANA EM ").a(placeText(place))
                                 .a(": ").f0(convergence, 2).a(" GRAUS")
                                 .str();
    return {declination - convergence, declination, convergence, line};
}

}  // namespace

void checkDeclinationOptions(SurveyFormat format, const DeclinationOptions& options) {
    if (options.automatic && format == SurveyFormat::LegacySpe) {
        refuse("DECLINAÇÃO AUTOMÁTICA IMPOSSÍVEL: LEVANTAMENTOS SPE NÃO TRAZEM A DATA DO LEVANTAMENTO", kTypeItInstead);
    }
}

AzimuthCorrection azimuthCorrection(const SurveyHeader& header, SurveyFormat format,
                                    const DeclinationOptions& options) {
    checkDeclinationOptions(format, options);
    if (!options.automatic && !options.gridConvergence) return {header.declination, header.declination, 0.0, {}};
    const std::optional<SurveyDate> date = options.automatic ? std::optional(surveyDate(header)) : std::nullopt;
    requireZone(header.utmZone);
    const GeodeticPlace place = initialStation(header);
    const double convergence = gridConvergence(place.latitude, place.longitude, header.utmZone);
    if (!date) return headerDeclination(header.declination, place, convergence);
    requireFieldHeight(place.height);
    return computedDeclination(*date, place, convergence);
}

std::string typedDeclination(const AzimuthCorrection& correction) { return fmt::F(correction.degrees, 7, 2); }

}  // namespace mirval
