// A reduced survey placed directly in a store, for the exchange writers.
#include "exchange_survey.hpp"

#include <cmath>
#include <sstream>

namespace mirval::test {

namespace {

void setDistanceAndInclination(const StationTable& st, ShotTable& sh, int row, int from, int to) {
    const double dx = st.x[to] - st.x[from], dy = st.y[to] - st.y[from], dz = st.z[to] - st.z[from];
    sh.dic[row] = std::sqrt((dx * dx + dy * dy) + dz * dz);
    sh.inc[row] = (std::asin(dz / (sh.dic[row] + kGuard)) * 180) / kPi;
}

}  // namespace

ExchangeSurvey::ExchangeSurvey() : store_(std::make_unique<Store>()) {
    initialiseStore(*store_);
    SurveyHeader& h = header();
    h.caveName.assign("Gruta Teste");
    h.municipality.assign("Lagoa Santa, MG");
    h.team.assign("Ana e Bruno");
    h.day.assign("25");
    h.month.assign("10");
    h.year.assign("2021");
    h.declination = -21.5;
    store_->azimuthCorrection = h.declination;
    h.x0 = 500000.0;
    h.y0 = 7700000.0;
    h.z0 = 800.0;
    h.utmZone = -23;
    store_->exchangeZone = -23;
    station("A1", h.x0, h.y0, h.z0);
}

int ExchangeSurvey::station(std::string_view name, double x, double y, double z, double ceiling) {
    const int s = ++store_->stationCount;
    StationTable& st = stations();
    st.name[s].assign(name);
    st.known[s] = 1;
    st.x[s] = x;
    st.y[s] = y;
    st.z[s] = z;
    st.ht[s] = ceiling;
    if (ceiling > kPresent) st.zteto[s] = z + ceiling;
    return s;
}

int ExchangeSurvey::line(int base, int sighted, double azimuth, std::string_view comment) {
    const int row = ++store_->inputLineCount;
    store_->lineCount = row;
    ShotTable& sh = shots();
    sh.base[row] = base;
    sh.sighted[row] = sighted;
    sh.az[row] = azimuth;
    sh.comment[row].assign(comment);
    sh.resolved[row] = sighted;
    sh.reference[row] = base;
    setDistanceAndInclination(stations(), sh, row, base, sighted);
    return row;
}

int ExchangeSurvey::closingLine(int base, int sighted, double x, double y, double z, std::string_view comment) {
    const int row = line(base, sighted, 0.0, comment);
    const int duplicate = kFirstDuplicateStation + static_cast<int>(closingRows_.size());
    StationTable& st = stations();
    st.name[duplicate].assign(std::to_string(duplicate));
    st.known[duplicate] = 1;
    st.x[duplicate] = x;
    st.y[duplicate] = y;
    st.z[duplicate] = z;
    st.ht[duplicate] = st.ht[sighted];
    if (st.ht[duplicate] > kPresent) st.zteto[duplicate] = z + st.ht[duplicate];
    ShotTable& sh = shots();
    sh.resolved[row] = duplicate;
    sh.equivalent[row] = duplicate;
    sh.dic[row] = 0.0;
    sh.inc[row] = 0.0;
    closingRows_.push_back(row);
    return row;
}

int ExchangeSurvey::unreachedLine(int base, int sighted) {
    const int row = line(base, sighted);
    shots().resolved[row] = 0;
    return row;
}

// The closure rows follow the input lines, one per closing line, in order.
void ExchangeSurvey::appendClosureRows() {
    ShotTable& sh = shots();
    const int first = store_->inputLineCount + 1;
    for (std::size_t k = 0; k < closingRows_.size(); ++k) {
        const int i = closingRows_[k], j = first + static_cast<int>(k);
        sh.base[j] = sh.base[i];
        sh.sighted[j] = sh.equivalent[i];
        sh.az[j] = sh.az[i];
        sh.hcb[j] = sh.hcb[i];
        sh.htb[j] = sh.htb[i];
        sh.htv[j] = sh.htv[i];
        sh.resolved[j] = sh.equivalent[i];
        sh.reference[j] = sh.base[i];
        sh.equivalent[j] = sh.sighted[i];
        setDistanceAndInclination(stations(), sh, j, sh.base[j], sh.sighted[j]);
    }
    store_->lineCount = store_->inputLineCount + static_cast<int>(closingRows_.size());
}

std::string ExchangeSurvey::write(Writer writer) {
    appendClosureRows();
    OutputFile out;
    out.openInMemory();
    writer(*store_, out);
    return out.text();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string padded(std::string_view text) { return std::string(LongText(text).full()); }

}  // namespace mirval::test
