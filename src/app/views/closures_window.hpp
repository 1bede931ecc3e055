#pragma once
// The loop-closure window (FLTK): the report as a table and a button that saves it.
#include <string>

namespace mirval::desktop {

// Shows the report text, modal, until the user closes it; "Salvar" writes it
// to `reportName`.
void showClosures(const std::string& reportText, const std::string& reportName);

}  // namespace mirval::desktop
