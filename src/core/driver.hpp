#pragma once
#include "core/store.hpp"

namespace mirval {

// The run: start window, file chooser, result window, reader, reduction,
// listings, writers, profile loop and credits. Ends by returning after a
// complete run or by a RunStop.
void MIRVAL();

// Action of the "select file" button: the file chooser; the chosen path becomes
// the input file name of the store. Returns 0, which closes the dialog.
int SELECT_FILE();

}  // namespace mirval
