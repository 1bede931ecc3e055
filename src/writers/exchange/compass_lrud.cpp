// The Compass file with passage dimensions: one shot per input line with the
// left, up, down and right readings at its base, in feet.
#include "writers/exchange/compass.hpp"
#include "writers/exchange/exchange.hpp"
#include "writers/exchange/exchange_lines.hpp"
#include "text/format.hpp"
#include "text/record_out.hpp"

namespace mirval {

namespace {

using exchange::ExchangeLine;
using exchange::fieldName;

void writeShot(OutputFile& out, const StationTable& st, const ShotTable& sh, const ExchangeLine& line) {
    const int i = line.row, m = line.measuredRow;
    const double up = compass::feetOrMissing(sh.htb[m]);
    fmt::RecordOut r(out);
    r.a(fieldName(st.name[line.base]))
        .x(4)
        .a(fieldName(st.name[line.sighted]))
        .f(sh.dic[m] * compass::kFeet, 10, 3)
        .f(sh.az[i], 9, 2)
        .f(sh.inc[m], 9, 2)
        .f(compass::feetOrMissing(sh.leb[i]), 10, 3)
        .f(up, 10, 3)
        .f(sh.hcb[m] * compass::kFeet, 10, 3)
        .f(compass::feetOrMissing(sh.ldb[i]), 10, 3);
    if (line.closing()) r.a(up < 0.0 ? compass::kExcludedFlags : compass::kNoFlags);
    else r.x(8);
    r.a(sh.comment[i].full()).end();
}

}  // namespace

void CMPLRU(const Store& s, OutputFile& out) {
    compass::writeHeader(out, s.header, s.azimuthCorrection);
    exchange::forEachExchangeLine(s.shots, s.inputLineCount,
                                  [&](const ExchangeLine& line) { writeShot(out, s.stations, s.shots, line); });
    compass::writeEnd(out);
}

}  // namespace mirval
