#pragma once
// The profile file reader.
#include <string>

#include "store/profile_tables.hpp"
#include "text/output.hpp"

namespace mirval {

// Reads one profile file. Its first value must be PRR or PRF (in one of the
// eight accepted spellings): otherwise the console log says the file is not a
// profile file and the segment count is -1. Line 5 is the title, echoed to the
// console log; from line 14 on each record is a segment: from-name, to-name, code.
void LERPRR(const std::string& fileName, ProfileChain& chain, LineSink& console);

// True for the first values of a profile file ("PRR", "prr", "Prf", ...).
bool isProfileTag(const FixedText<3>& tag);

}  // namespace mirval
