// The ceiling check: a second ceiling reading of a station is averaged with the first.
#include "readers/ceiling.hpp"

#include <cmath>

#include "text/format.hpp"

namespace mirval {

namespace {

// "ESTACAO E1 TEM MAIS DE UMA ALTURA DE TETO: 5.11M E  2.10M NA VISADA E1 - E2"
fmt::Record ceilingReport(const Store& s, int row, int station, double reading, double stored) {
    const Table<Name>& names = s.stations.name;
    return std::move(fmt::Record()
                         .a("ESTACAO ")
                         .a(names[station].trimmed())
                         .a(" TEM MAIS DE UMA ALTURA DE TETO:")
                         .f(reading, 5, 2)
                         .a("M E ")
                         .f(stored, 5, 2)
                         .a("M NA VISADA ")
                         .a(names[s.shots.base[row]].trimmed())
                         .a(" - ")
                         .a(names[s.shots.sighted[row]].trimmed()));
}

void writeMessage(LineSink& sink, std::string_view first, std::string_view second) {
    sink.line(first);
    sink.line(second);
    sink.emptyLine();
}

void writeWarning(const Store& s, const fmt::Record& report, double difference, RunLog& log) {
    const std::string first = report.str() + ", COM DIFERENÇA GRANDE.";
    const fmt::Record second = std::move(fmt::Record()
                                             .a("TOLERANCIA ENCONTRADA:")
                                             .f(difference, 7, 2)
                                             .a("%. ESTABELECIDA:")
                                             .f(s.ceilingTolerance, 6, 2)
                                             .a("%. VERIFICAR. ARMAZENADA A MEDIA"));
    writeMessage(log.console, first, second);
    writeMessage(log.listing, first, second);
}

void writeNotice(const Store& s, const fmt::Record& report, double difference, bool onConsole, RunLog& log) {
    const std::string first = report.str() + ".";
    const fmt::Record second = std::move(fmt::Record()
                                             .a("TOLERANCIA ENCONTRADA:")
                                             .f(difference, 7, 2)
                                             .a(" %. ESTABELECIDA:")
                                             .f(s.ceilingTolerance, 6, 2)
                                             .a(" %. ARMAZENADA A MEDIA"));
    if (onConsole) writeMessage(log.console, first, second);
    writeMessage(log.listing, first, second);
}

}  // namespace

void mergeCeilingReading(Store& s, int row, int station, double reading, double instrumentHeight,
                         const CeilingRule& rule, RunLog& log) {
    double& ht = s.stations.ht[station];
    if (reading <= kAbsent) return;
    if (reading <= kPresent) {
        if (ht < kAbsent) ht = rule.zeroReadingStored ? reading : 0.0;
        return;
    }
    const double v = instrumentHeight + reading;
    if (ht <= kPresent) {
        ht = v;
        return;
    }
    const double difference = std::fabs(1.0 - ht / v) * 100.0;
    if (difference > s.ceilingTolerance) {
        writeWarning(s, ceilingReport(s, row, station, v, ht), difference, log);
    } else if (difference > rule.noticeAbove) {
        writeNotice(s, ceilingReport(s, row, station, v, ht), difference, rule.noticeOnConsole, log);
    }
    ht = (ht + v) / 2.0;
}

}  // namespace mirval
