#pragma once
// The window of a report (the loop closures, the adjustment): its text in a
// fixed-width font and a button that saves it.
#include <functional>
#include <string>

namespace mirval::desktop {

// Saves a report's text under its name; returns the message of a failure, or nothing.
using ReportSaver = std::function<std::string(const std::string& reportName, const std::string& reportText)>;

// Shows the report text, modal, until the user closes it; "Salvar" saves it as
// `reportName` with `save`. `caption` names the window, `title` the messages about saving.
void showReport(const std::string& caption, const std::string& title, const std::string& reportText,
                const std::string& reportName, const ReportSaver& save);

}  // namespace mirval::desktop
