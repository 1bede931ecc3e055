// The desktop platform: the program's dialogs and console log as FLTK windows.
#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdio>
#include <deque>

#include "dialogs/desktop.hpp"
#include "dialogs/desktop_fltk.hpp"
#include "dialogs/text_platforms.hpp"

namespace mirval {

namespace {

// Every line goes to stdout, as in every mode, and to the console window.
class DesktopConsole final : public LineSink {
public:
    void line(std::string_view text) override {
        stdout_.line(text);
        window.append(text);
    }
    desktop::ConsoleWindow window;

private:
    StdoutConsole stdout_;
};

class DesktopPlatform final : public Platform {
public:
    explicit DesktopPlatform(const std::vector<std::string>& answers) : answers_(answers.begin(), answers.end()) {}

    int present(const Dialog& dialog) override {
        console_.window.showEnd();
        return desktop::showDialog(dialog);
    }

    // Files given on the command line answer first, then the system's dialog.
    std::optional<std::string> choose(const FileChooser& chooser) override {
        if (answers_.empty()) {
            console_.window.showEnd();
            return desktop::chooseFile(chooser);
        }
        std::string path = answers_.front();
        answers_.pop_front();
        return path;
    }

    LineSink& console() override { return console_; }

    bool offersViews() const override { return true; }

    void finished(int status, const std::vector<RunView>& views) override {
        std::fflush(stdout);
        console_.window.waitUntilClosed(views, status);
    }

private:
    std::deque<std::string> answers_;
    DesktopConsole console_;
};

// FLTK ends the process when it cannot open the X display: try it first. The
// Windows desktop is always there.
bool openDisplay() {
#ifdef _WIN32
    return true;
#else
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    fl_open_display(display);
    return true;
#endif
}

}  // namespace

std::unique_ptr<Platform> makeDesktopPlatform(const std::vector<std::string>& chooserAnswers) {
    if (!openDisplay()) return nullptr;
    Fl::scheme("gtk+");
    return std::make_unique<DesktopPlatform>(chooserAnswers);
}

}  // namespace mirval
