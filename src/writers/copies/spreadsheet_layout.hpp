#pragma once
// The column orders of the spreadsheet format: the eleven readings of a data
// line after its two station names, in the order of each variant, with the
// fields the normalized copies write them in.
#include <array>
#include <string_view>

#include "store/store.hpp"

namespace mirval {

enum class Reading { az, ac, di, leb, ldb, lev, ldv, htb, hcb, htv, hcv };

struct Column {
    Reading reading;
    int width;  // Fw.d of the normalized copy
    int decimals;
};

using ColumnOrder = std::array<Column, 11>;

// The order of a variant tag ("orv", "vrk" or "eef"); nullptr for any other.
const ColumnOrder* columnOrderOf(std::string_view tag);

// Where a reading is kept in the shot table; AC is held in the DES column
// until the shot preparation replaces it.
Table<double>& columnOf(ShotTable& shots, Reading reading);
const Table<double>& columnOf(const ShotTable& shots, Reading reading);

}  // namespace mirval
