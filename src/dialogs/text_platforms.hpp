#pragma once
// Platforms without windows: the terminal (dialogs as text on stderr, answers
// from the keyboard), batch (answers from the command line) and scripted
// (answers from a queue, for tests).
#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include "dialogs/platform.hpp"

namespace mirval {

// The console log on the process's standard output.
class StdoutConsole final : public LineSink {
public:
    void line(std::string_view text) override;
};

// Renders a dialog as text: caption, the boxed lines, the buttons with their mnemonics.
std::string renderDialog(const Dialog& dialog);

class TerminalPlatform final : public Platform {
public:
    TerminalPlatform(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    int present(const Dialog& dialog) override;
    std::optional<std::string> choose(const FileChooser& chooser) override;
    LineSink& console() override { return console_; }

private:
    std::istream& in_;
    std::ostream& out_;
    StdoutConsole console_;
};

// `mirval SURVEY [--profile FILE]...`: the chooser answers with the survey and
// then with each profile file; every dialog is printed on stderr and answered
// at once ("select file" while answers remain, then "Exit").
class BatchPlatform final : public Platform {
public:
    BatchPlatform(std::vector<std::string> answers, std::ostream& out);
    int present(const Dialog& dialog) override;
    std::optional<std::string> choose(const FileChooser& chooser) override;
    LineSink& console() override { return console_; }

private:
    std::deque<std::string> answers_;
    std::ostream& out_;
    StdoutConsole console_;
};

// For tests: button labels and chosen paths come from queues; every dialog and
// chooser shown is recorded, and the console log is kept in memory.
class ScriptedPlatform final : public Platform {
public:
    std::deque<std::string> buttons;  // labels to press; when empty, "Exit" or close
    std::deque<std::string> paths;    // chooser answers; when empty, cancel
    std::vector<Dialog> dialogsShown;
    std::vector<FileChooser> choosersShown;
    LineCollector log;
    int finishedStatus = -1;
    std::vector<std::string> viewsOffered;  // labels of the views offered at the end

    int present(const Dialog& dialog) override;
    std::optional<std::string> choose(const FileChooser& chooser) override;
    LineSink& console() override { return log; }
    void finished(int status, const std::vector<RunView>& views) override;
};

// Index of the button with this label, or -1.
int findButton(const Dialog& dialog, std::string_view label);

}  // namespace mirval
