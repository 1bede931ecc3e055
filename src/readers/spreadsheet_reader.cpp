// LERTXT: the spreadsheet survey format (variants "orv", "vrk" and "eef").
#include <cmath>

#include "readers/ceiling.hpp"
#include "readers/fixed_field.hpp"
#include "readers/readers.hpp"
#include "readers/survey_input.hpp"
#include "writers/copies/spreadsheet_layout.hpp"

namespace mirval {

namespace {

// Lines 1 to 16. Lines 3, 5, 7, 9, 11 and 14 hold the header; the others are
// legends. A free-form record that runs over several lines moves the lines
// after it down.
void readHeaderBlock(Store& s, SurveyFile& file) {
    SurveyHeader& h = s.header;
    file.headerLine();
    file.headerLine();
    h.caveName.assign(file.headerLine());
    file.headerLine();
    h.municipality.assign(file.headerLine());
    file.headerLine();
    file.headerRecord(h.day, h.month, h.year);
    file.headerLine();
    h.team.assign(file.headerLine());
    file.headerLine();
    // The declination: columns 1 to 10, hundredths when written without a point.
    if (!readFixedReal(columns(file.headerLine(), 1, 10), 2, h.declination)) file.failAt(file.lineNumber());
    s.lines.declination = file.lineNumber();
    file.headerLine();
    file.headerLine();
    s.lines.initialBase = file.headerRecord(s.stations.name[1], h.x0, h.y0, h.z0, h.htini, h.utmZone);
    file.requireStationName(s.stations.name[1], s.lines.initialBase);
    file.headerLine();
    file.headerLine();
}

struct DataLine {
    int line = 0;  // where the record starts
    Name base, sighted;
    std::array<double, 11> readings{};  // in the column order of the file
    LongText comment;
};

// The comment: what follows the first "#" among the line's first 256 bytes,
// at most 128 bytes.
LongText commentOf(std::string_view line) {
    const std::string_view head = cutUtf8(line, LongText::width);
    const std::size_t mark = head.find('#');
    if (mark == std::string_view::npos) return {};
    return LongText(cutUtf8(head.substr(mark + 1), 128));
}

// One data line; false at the end of the file (a line cut short by it is dropped).
bool readDataLine(SurveyFile& file, DataLine& line) {
    FreeFormRecord record(file.lines());
    if (record.text(line.base) != ReadOutcome::ok) return false;
    line.line = record.line();
    file.requireStationName(line.base, record.line());
    if (record.text(line.sighted) != ReadOutcome::ok) return false;
    file.requireStationName(line.sighted, record.line());
    for (double& value : line.readings) {
        const ReadOutcome outcome = record.real(value);
        if (outcome == ReadOutcome::endOfFile) return false;
        file.require(outcome, record);
    }
    line.comment = commentOf(record.lastLine());
    return true;
}

void readDataLines(Store& s, SurveyFile& file, const ColumnOrder& order) {
    ShotTable& shots = s.shots;
    StationDirectory directory(s);
    DataLine line;
    int row = 0;
    while (readDataLine(file, line)) {
        startRow(s, ++row);
        for (std::size_t k = 0; k < order.size(); ++k) columnOf(shots, order[k].reading)[row] = line.readings[k];
        shots.comment[row] = line.comment;
        s.lines.row[row] = line.line;
        shots.base[row] = directory.indexOf(line.base);
        shots.sighted[row] = directory.indexOf(line.sighted);
    }
    s.lineCount = row;
    s.inputLineCount = row;
    --s.stationCount;
}

// Horizontal distance and height difference of every line (DES takes the place
// of AC) and the ceiling heights of both stations.
void prepareShots(Store& s, RunLog& log) {
    ShotTable& sh = s.shots;
    s.stations.ht[1] = s.header.htini;
    for (int i = 1; i <= s.lineCount; ++i) {
        const double a = sh.des[i] * kPi / 180;
        sh.dhor[i] = sh.di[i] * std::cos(a);
        sh.des[i] = sh.di[i] * std::sin(a) + sh.hcb[i] - sh.hcv[i];
        mergeCeilingReading(s, i, sh.base[i], sh.htb[i], sh.hcb[i], kBaseCeiling, log);
        mergeCeilingReading(s, i, sh.sighted[i], sh.htv[i], sh.hcv[i], kSightedCeiling, log);
    }
}

}  // namespace

void LERTXT(Store& s, const std::string& fileName, std::string_view columnOrder, RunLog& log) {
    const ColumnOrder* order = columnOrderOf(columnOrder);
    if (order == nullptr) return;
    s.facts = {SurveyFormat::Spreadsheet, true};
    startStationTable(s);
    SurveyFile file(fileName);
    readHeaderBlock(s, file);
    echoHeader(s, true, 1, log);
    readDataLines(s, file, *order);
    prepareShots(s, log);
}

}  // namespace mirval
