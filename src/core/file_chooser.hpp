#pragma once

namespace mirval {

// Action of the "select file" button of the start window and the profile
// prompt: the file chooser; the chosen path becomes the input file name of the
// store. Returns 0, which closes the dialog.
int SELECT_FILE();

}  // namespace mirval
