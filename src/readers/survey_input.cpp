// What the two survey readers share.
#include "readers/survey_input.hpp"

#include "readers/start_summary.hpp"
#include "store/stop.hpp"
#include "text/format.hpp"

namespace mirval {

SurveyFile::SurveyFile(const std::string& fileName) : fileName_(fileName) {
    if (!lines_.open(fileName_)) failAt(1);
}

std::string_view SurveyFile::headerLine() {
    const auto line = lines_.next();
    if (!line) failAt(lines_.lineNumber() + 1);
    return *line;
}

void SurveyFile::require(ReadOutcome outcome, const FreeFormRecord& record) const {
    if (outcome != ReadOutcome::ok) failAt(record.line());
}

void SurveyFile::requireStationName(const Name& name, int line) const {
    if (holdsControlByte(name.full())) failAt(line);
}

void SurveyFile::failAt(int line) const { failReading(fileName_, line); }

StationDirectory::StationDirectory(Store& s) : store_(s) {
    const StationTable& st = s.stations;
    for (int j = 1; j <= std::min(s.stationCount, kCapacity); ++j) {
        if (!st.name[j].isBlank()) named_.try_emplace(st.name[j].full(), j);
    }
}

int StationDirectory::indexOf(const Name& name) {
    Table<Name>& names = store_.stations.name;
    const int last = std::min(store_.stationCount, kCapacity);
    if (!name.isBlank()) {
        if (const auto found = named_.find(name.full()); found != named_.end()) return found->second;
    }
    while (firstBlank_ <= last && !isBlankEntry(firstBlank_)) ++firstBlank_;
    if (firstBlank_ > last) stopTooManyStations();
    // A blank name is equal to the first blank entry, which it leaves as it is.
    if (name.isBlank()) return firstBlank_;
    names[firstBlank_] = name;
    named_.try_emplace(names[firstBlank_].full(), firstBlank_);
    ++store_.stationCount;
    return firstBlank_;
}

bool StationDirectory::isBlankEntry(int station) {
    prepareStation(store_, station);
    return store_.stations.name[station].isBlank();
}

void startStationTable(Store& s) {
    for (int chunk = 0; chunk < kChunks; ++chunk) {
        if (!s.preparedStations[chunk]) continue;  // names never given are blank already
        for (int i = chunk * kChunk; i < std::min((chunk + 1) * kChunk, kCapacity + 1); ++i) s.stations.name[i].clear();
    }
    prepareStation(s, 1);
    prepareStation(s, 2);
    s.stationCount = 2;
}

void startRow(Store& s, int row) {
    if (row > kCapacity) stopTooManyLines();
    prepareRow(s, row);
}

void echoHeader(const Store& s, bool withDate, int scale, RunLog& log) {
    const SurveyHeader& h = s.header;
    const std::string date = fmt::Record().a(h.day.full()).a(" ").a(h.month.full()).a(" ").a(h.year.full()).str();
    for (LineSink* sink : {&log.console, &log.listing}) {
        sink->line(h.caveName.full());
        sink->line(h.municipality.full());
        if (withDate) sink->line(date);
        sink->line(h.team.full());
        sink->emptyLine();
    }
    writeStartSummary(log.console, s, scale, {h.declination, 4, 1});
}

}  // namespace mirval
