#pragma once
// The survey readers. Each reads one survey file into the store, sets the
// survey's facts, and reports its header echo and ceiling messages on the log;
// an unreadable file stops the run.
#include <string>
#include <string_view>

#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// The spreadsheet text format; `columnOrder` is "orv", "vrk" or "eef".
void LERTXT(Store& s, const std::string& fileName, std::string_view columnOrder, RunLog& log);

// The legacy fixed-column SPE format.
void LERSPE(Store& s, const std::string& fileName, RunLog& log);

}  // namespace mirval
