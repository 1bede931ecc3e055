#pragma once
// The normalized copies of a survey in the spreadsheet format, one per column order.
#include <string_view>
#include <vector>

#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// Writes the normalized copy of the survey for one column-order tag ("vrk",
// "eef", "orv"): the header block with its legends, then one data line per
// line read from the input, in the order of that tag.
void WRTMVR(const Store& s, std::string_view tag, OutputFile& out);

// The copies a survey gets, in the order they are written: a spreadsheet
// survey all three, an SPE survey "vrk" and "orv".
std::vector<std::string_view> copyTagsOf(SurveyFormat format);

}  // namespace mirval
