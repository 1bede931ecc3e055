#pragma once
#include "core/file_chooser.hpp"
#include "core/store.hpp"

namespace mirval {

// The run: start window, file chooser, result window, reader, reduction,
// listings, writers, profile loop and credits. Ends by returning after a
// complete run or by a RunStop.
void MIRVAL();

}  // namespace mirval
