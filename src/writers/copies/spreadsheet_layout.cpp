// The column orders of the spreadsheet format.
#include "writers/copies/spreadsheet_layout.hpp"

namespace mirval {

namespace {

using enum Reading;

constexpr ColumnOrder kOrv = {{{az, 7, 1}, {ac, 6, 1}, {di, 8, 2}, {leb, 7, 2}, {ldb, 7, 2}, {lev, 7, 2},
                               {ldv, 7, 2}, {htb, 7, 2}, {hcb, 6, 2}, {htv, 7, 2}, {hcv, 6, 2}}};
constexpr ColumnOrder kVrk = {{{di, 8, 2}, {az, 7, 1}, {ac, 6, 1}, {hcb, 6, 2}, {htb, 7, 2}, {ldb, 7, 2},
                               {leb, 7, 2}, {htv, 7, 2}, {ldv, 7, 2}, {lev, 7, 2}, {hcv, 6, 2}}};
constexpr ColumnOrder kEef = {{{az, 7, 1}, {ac, 6, 1}, {di, 8, 2}, {ldb, 7, 2}, {leb, 7, 2}, {ldv, 7, 2},
                               {lev, 7, 2}, {hcb, 6, 2}, {htb, 7, 2}, {htv, 7, 2}, {hcv, 6, 2}}};

}  // namespace

const ColumnOrder* columnOrderOf(std::string_view tag) {
    if (tag == "orv") return &kOrv;
    if (tag == "vrk") return &kVrk;
    if (tag == "eef") return &kEef;
    return nullptr;
}

Table<double>& columnOf(ShotTable& shots, Reading reading) {
    switch (reading) {
        case az: return shots.az;
        case ac: return shots.des;
        case di: return shots.di;
        case leb: return shots.leb;
        case ldb: return shots.ldb;
        case lev: return shots.lev;
        case ldv: return shots.ldv;
        case htb: return shots.htb;
        case hcb: return shots.hcb;
        case htv: return shots.htv;
        case hcv: return shots.hcv;
    }
    return shots.des;
}

const Table<double>& columnOf(const ShotTable& shots, Reading reading) {
    return columnOf(const_cast<ShotTable&>(shots), reading);
}

}  // namespace mirval
