#pragma once
// The window of a report (the loop closures, the adjustment): its text in a
// fixed-width font and a button that saves it.
#include <string>

namespace mirval::desktop {

// Shows the report text, modal, until the user closes it; "Salvar" writes it
// to `reportName`. `caption` names the window, `title` the messages about saving.
void showReport(const std::string& caption, const std::string& title, const std::string& reportText,
                const std::string& reportName);

}  // namespace mirval::desktop
