// The Compass file with splays: one shot per input line, then a splay shot to a
// generated station for every wall reading and ceiling height, in feet.
#include <string>
#include <string_view>

#include "text/format.hpp"
#include "text/record_out.hpp"
#include "writers/exchange/compass.hpp"
#include "writers/exchange/exchange.hpp"
#include "writers/exchange/exchange_lines.hpp"

namespace mirval {

namespace {

using exchange::ExchangeLine;
using exchange::fieldName;

double turnedLeft(double azimuth) {
    const double bearing = azimuth - 90.0;
    return bearing < 0.0 ? bearing + 360.0 : bearing;
}

double turnedRight(double azimuth) {
    const double bearing = azimuth + 90.0;
    return bearing >= 360.0 ? bearing - 360.0 : bearing;
}

struct Splay {
    int station;
    double length;  // feet
    double bearing;
    double inclination;
    std::string_view comment;
};

// Splay targets are named station-counter; the station part is shortened so the
// counter always fits the 32 bytes of a name.
class SplayWriter {
public:
    SplayWriter(OutputFile& out, const StationTable& stations) : out_(out), stations_(stations) {}

    void write(const Splay& s) {
        if (!(s.length > 0.0)) return;
        const std::string station = fieldName(stations_.name[s.station]);
        const std::string suffix = fmt::Record().a("-").i0(counter_++).str();
        const std::string target = std::string(cutUtf8(station, Name::width - suffix.size())) + suffix;
        fmt::RecordOut r(out_);
        r.a(station).a(" ").a(target).f(s.length, 10, 3).f(s.bearing, 9, 1).f(s.inclination, 9, 2);
        for (int k = 0; k < 4; ++k) r.f(compass::kMissing, 9, 2);
        r.a(s.comment).end();
    }

private:
    OutputFile& out_;
    const StationTable& stations_;
    long long counter_ = 1;
};

struct Readings {
    double leftBase, rightBase, upBase, leftSighted, rightSighted, upSighted;  // feet or the marker
};

Readings readingsOf(const ShotTable& sh, int i) {
    using compass::feetOrMissing;
    return {feetOrMissing(sh.leb[i]), feetOrMissing(sh.ldb[i]), feetOrMissing(sh.htb[i]),
            feetOrMissing(sh.lev[i]), feetOrMissing(sh.ldv[i]), feetOrMissing(sh.htv[i])};
}

void writeShot(OutputFile& out, const StationTable& st, const ShotTable& sh, const ExchangeLine& line,
               const Readings& f) {
    const int i = line.row, m = line.measuredRow;
    fmt::RecordOut r(out);
    r.a(fieldName(st.name[line.base]))
        .x(4)
        .a(fieldName(st.name[line.sighted]))
        .f(sh.dic[m] * compass::kFeet, 10, 3)
        .f(sh.az[i], 8, 1)
        .f(sh.inc[m], 10, 3)
        .f(f.leftBase, 9, 2)
        .f(f.upBase, 9, 2)
        .f(sh.hcb[i] * compass::kInstrumentFeet, 9, 2)
        .f(f.rightBase, 9, 2)
        .a(f.upSighted < 0.0 ? compass::kExcludedFlags : compass::kNoFlags);
    r.a(sh.comment[i].full()).end();
}

void writeSplays(SplayWriter& splays, const ShotTable& sh, const ExchangeLine& line, const Readings& f) {
    const double az = sh.az[line.row];
    const int b = line.base, v = line.sighted;
    splays.write({b, f.leftBase, turnedLeft(az), 0.0, "  #|L#   Leitura Esquerda da Base"});
    splays.write({b, f.rightBase, turnedRight(az), 0.0, "  #|L#   Leitura Direita da Base"});
    splays.write({b, f.upBase, 0.0, 90.0, "  #|L#   Altura do Teto da Base"});
    // At the sighted station the readings face back towards the base.
    splays.write({v, f.leftSighted, turnedRight(az), 0.0, "  #|L#   Leitura Esquerda da Visada"});
    splays.write({v, f.rightSighted, turnedLeft(az), 0.0, "  #|L#   Leitura Direita da Visada"});
    splays.write({v, f.upSighted, 0.0, 90.0, "  #|L#   Altura do Teto da Visada"});
}

}  // namespace

void CMPSPL(const Store& s, OutputFile& out) {
    compass::writeHeader(out, s.header, s.azimuthCorrection);
    SplayWriter splays(out, s.stations);
    exchange::forEachExchangeLine(s.shots, s.inputLineCount, [&](const ExchangeLine& line) {
        const Readings feet = readingsOf(s.shots, line.row);
        writeShot(out, s.stations, s.shots, line, feet);
        writeSplays(splays, s.shots, line, feet);
    });
    compass::writeEnd(out);
}

}  // namespace mirval
