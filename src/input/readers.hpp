#pragma once
// Survey readers: they take no arguments and fill the survey data store.
#include <string_view>

namespace mirval {

void LERTXT();  // spreadsheet text format, file types "orv", "vrk", "eef"
void LERSPE();  // legacy SPE format

// Writes the normalized copy of the survey in the store for one variant tag ("vrk", "eef", "orv").
void WRTMVR(std::string_view tag);

}  // namespace mirval
