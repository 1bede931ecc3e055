#pragma once
// The FLTK windows of the desktop platform (built only with FLTK).
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/platform.hpp"

namespace mirval::desktop {

// A modal dialog: caption, the raised box with its lines, the centred buttons.
// Returns the index of the pressed button, -1 when the window was closed.
int showDialog(const Dialog& dialog);

// The system's open-file dialog; asks again while the chosen file must exist
// and does not. Nothing when the user cancels.
std::optional<std::string> chooseFile(const FileChooser& chooser);

// The console log's window: appears with the first line, shows every line as
// it is written and, once the run has ended, stays open until the user closes
// it, offering the views of the run's results.
class ConsoleWindow {
public:
    ConsoleWindow();
    ~ConsoleWindow();
    ConsoleWindow(const ConsoleWindow&) = delete;
    ConsoleWindow& operator=(const ConsoleWindow&) = delete;

    void append(std::string_view line);
    // Brings the last lines into view (before a dialog takes over).
    void showEnd();
    // Each view gets a button. Returns at once when the run wrote nothing.
    void waitUntilClosed(const std::vector<RunView>& views, int status);

private:
    struct Widgets;
    std::unique_ptr<Widgets> widgets_;
    int lineCount_ = 0;
    std::chrono::steady_clock::time_point lastRepaint_{};
};

}  // namespace mirval::desktop
