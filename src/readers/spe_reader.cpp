// LERSPE: the legacy SPE survey format, a free-form header and fixed-column
// records, converted to what the spreadsheet reader leaves in the store.
#include <cmath>

#include "readers/ceiling.hpp"
#include "readers/fixed_field.hpp"
#include "readers/readers.hpp"
#include "readers/survey_input.hpp"
#include "store/stop.hpp"
#include "text/format.hpp"

namespace mirval {

namespace {

void readHeader(Store& s, SurveyFile& file) {
    SurveyHeader& h = s.header;
    h.initialStation = 1;
    h.caveName.assign(file.headerLine());
    h.municipality.assign(file.headerLine());
    h.team.assign(file.headerLine());
    FreeFormRecord scaleLine(file.lines());
    file.require(scaleLine.integer(h.scale), scaleLine);
    if (h.scale <= 0) file.failAt(scaleLine.line());
    file.require(scaleLine.real(h.declination), scaleLine);
    s.lines.declination = scaleLine.line();
    s.lines.initialBase = file.headerRecord(s.stations.name[1], h.x0, h.y0, h.z0, h.htini, h.utmZone);
    file.requireStationName(s.stations.name[1], s.lines.initialBase);
}

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

double numberField(const SurveyFile& file, std::string_view line, int first, int width, int decimals) {
    double value = 0;
    if (!readFixedReal(columns(line, first, width), decimals, value)) file.failAt(file.lineNumber());
    return value;
}

char letterAt(std::string_view line, int column) {
    const std::string_view field = columns(line, column, 1);
    return field.empty() ? ' ' : field[0];
}

// A 3-byte name field, cut without splitting a UTF-8 character.
Name nameField(const SurveyFile& file, std::string_view line, int first) {
    const Name name(cutUtf8(fromColumn(line, first), 3));
    file.requireStationName(name, file.lineNumber());
    return name;
}

// One record into row `row` of the shot table.
void readRecord(Store& s, const SurveyFile& file, std::string_view line, int row, StationDirectory& directory) {
    ShotTable& sh = s.shots;
    sh.di[row] = numberField(file, line, 9, 7, 2);
    sh.distanceKind[row] = letterAt(line, 16);
    sh.bearingPrefix[row] = letterAt(line, 18);
    sh.az[row] = numberField(file, line, 19, 5, 1);
    sh.bearingSuffix[row] = letterAt(line, 24);
    sh.des[row] = numberField(file, line, 25, 6, 2);
    sh.verticalKind[row] = letterAt(line, 31);
    sh.htv[row] = numberField(file, line, 32, 6, 2);
    sh.ceilingKind[row] = letterAt(line, 38);
    sh.hcb[row] = numberField(file, line, 39, 6, 2);
    sh.comment[row].assign(fromColumn(line, 45));  // columns 45 to 300
    sh.base[row] = directory.indexOf(nameField(file, line, 1));
    sh.sighted[row] = directory.indexOf(nameField(file, line, 6));
}

void readRecords(Store& s, SurveyFile& file) {
    StationDirectory directory(s);
    int row = 0;
    while (const auto line = file.lines().next()) {
        if (isBlankLine(*line)) continue;
        startRow(s, ++row);
        readRecord(s, file, *line, row, directory);
        s.lines.row[row] = file.lineNumber();
    }
    s.lineCount = row;
    s.inputLineCount = row;
    --s.stationCount;
}

bool isOneOf(char c, std::string_view letters) { return letters.find(c) != std::string_view::npos; }

std::string stationPair(const Store& s, int row, std::string_view separator) {
    const Table<Name>& names = s.stations.name;
    return std::string(names[s.shots.base[row]].trimmed()) + std::string(separator) +
           std::string(names[s.shots.sighted[row]].trimmed());
}

// The four letter checks of a row; the first that fails stops the run. The
// messages ("MAL EXPLICITADA", "CORRIJA .") are the ones SPE users know.
void checkLetters(const Store& s, int row) {
    const ShotTable& sh = s.shots;
    if (!isOneOf(sh.distanceKind[row], "HhIi")) {
        failWith(fmt::Record()
                     .a("DISTANCIA MAL EXPLICITADA EM ")
                     .a(stationPair(s, row, "-"))
                     .a(". CORRIJA. LINHA ")
                     .i(row, 4));
    }
    if (!isOneOf(sh.verticalKind[row], "MmGg")) {
        failWith("DESNIVEL MAL EXPLICITADA EM " + stationPair(s, row, " - ") + ". CORRIJA.");
    }
    if (!isOneOf(sh.bearingSuffix[row], "EW ew") || !isOneOf(sh.bearingPrefix[row], "NS ns")) {
        failWith("RUMO OU AZIMUTE MAL EXPLICITADA EM " + stationPair(s, row, " - ") + ". CORRIJA .");
    }
}

// A quadrant bearing (N 30 W, S 30 E, S 30 W) as an azimuth.
double azimuthOf(double bearing, char prefix, char suffix) {
    const bool north = isOneOf(prefix, "Nn");
    const bool south = isOneOf(prefix, "Ss");
    if (north && isOneOf(suffix, "Ww")) return 360 - bearing;
    if (south && isOneOf(suffix, "Ee")) return 180 - bearing;
    if (south && isOneOf(suffix, "Ww")) return bearing + 180;
    return bearing;
}

void convertRow(Store& s, int row, RunLog& log) {
    checkLetters(s, row);
    ShotTable& sh = s.shots;
    const bool horizontal = isOneOf(sh.distanceKind[row], "Hh");
    const bool degrees = isOneOf(sh.verticalKind[row], "Gg");
    const double vertical = sh.des[row];
    const double a = vertical * kPi / 180;
    sh.dhor[row] = sh.di[row];
    if (horizontal && degrees) {
        sh.di[row] = sh.dhor[row] / std::cos(a);
    } else if (horizontal) {
        sh.di[row] = std::sqrt(sh.dhor[row] * sh.dhor[row] + vertical * vertical);
    } else if (degrees) {
        sh.dhor[row] = sh.di[row] * std::cos(a);
    } else {
        const double rise = vertical - sh.hcb[row];
        if (std::fabs(rise) > sh.di[row]) {
            failWith("DESNIVEL MAIOR QUE A DISTANCIA EM " + stationPair(s, row, " - ") + ". CORRIJA.");
        }
        sh.dhor[row] = std::sqrt(sh.di[row] * sh.di[row] - rise * rise);
    }
    sh.des[row] = degrees ? sh.di[row] * std::sin(a) + sh.hcb[row] : vertical;
    sh.az[row] = azimuthOf(sh.az[row], sh.bearingPrefix[row], sh.bearingSuffix[row]);
    if (isOneOf(sh.ceilingKind[row], "Gg")) {
        sh.htv[row] = std::tan(sh.htv[row] * kPi / 180) * sh.dhor[row] - sh.des[row];
    }
    mergeCeilingReading(s, row, sh.sighted[row], sh.htv[row], sh.hcb[row], kSpeSightedCeiling, log);
}

}  // namespace

void LERSPE(Store& s, const std::string& fileName, RunLog& log) {
    s.facts = {SurveyFormat::LegacySpe, false};
    startStationTable(s);
    SurveyFile file(fileName);
    readHeader(s, file);
    echoHeader(s, false, s.header.scale, log);
    readRecords(s, file);
    s.stations.ht[1] = s.header.htini;
    for (int row = 1; row <= s.lineCount; ++row) convertRow(s, row, log);
    // SPE files carry no date; the copies and listings show this fixed one, as
    // surveys converted from SPE always have.
    s.header.day.assign("27");
    s.header.month.assign("06");
    s.header.year.assign("2020");
}

}  // namespace mirval
