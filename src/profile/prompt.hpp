#pragma once

namespace mirval {

// The profile prompt: offers to process a profile file or to leave. Its
// "select file" button runs the file chooser, which writes the chosen path into
// the input file name of the store. Returns when the prompt closes.
void FILTRAPERF();

}  // namespace mirval
