#pragma once
// The loop-closure window (FLTK): the report as a table and a button that saves it.
#include <functional>
#include <string>

namespace mirval::desktop {

// Shows the report text, modal, until the user closes it; "Salvar" saves it
// as `reportName` with `save`, which returns the message of a failure, or nothing.
using ReportSaver = std::function<std::string(const std::string& reportText)>;
void showClosures(const std::string& reportText, const std::string& reportName, const ReportSaver& save);

}  // namespace mirval::desktop
