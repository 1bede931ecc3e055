#pragma once
// The credits block that ends every listing and the console log.
#include "text/output.hpp"

namespace mirval {

// The credits block that ends every listing and the console log of a run.
void writeCredits(LineSink& out);

// The author credit line of the start window and the profile prompt.
inline constexpr const char* kAuthorCredit = "Versão C++ do MIRVAL";

}  // namespace mirval
