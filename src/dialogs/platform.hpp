#pragma once
// The platform services the program runs on: modal dialogs, the open-file
// chooser and the console log. Implementations: terminal, batch, scripted
// (tests) and, when built with FLTK, desktop windows. The driver holds the one
// platform of a run and hands it down.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "text/output.hpp"

namespace mirval {

struct DialogButton {
    std::string label;
    char mnemonic = 0;              // keyboard mnemonic, 0 for none
    bool isDefault = false;         // pressed by Enter
    std::function<int()> action;    // returning 0 closes the dialog; no action closes it
};

// A choice shown as a check box between the box and the buttons. Only windows
// show check boxes: the text platforms take their choices from the command line.
struct DialogCheckBox {
    std::string label;
    char mnemonic = 0;
    bool* checked = nullptr;  // kept up to date while the dialog is shown
};

struct Dialog {
    std::string caption;
    std::vector<std::string> lines;  // the raised box, line by line ("" is an empty line)
    std::vector<DialogCheckBox> checkBoxes;
    std::vector<DialogButton> buttons;
    int buttonGap = 1;               // blanks between the buttons
};

struct FileFilter {
    std::string name;
    std::string pattern;
};

struct FileChooser {
    std::string title;
    std::string proposedName;
    std::string folder;
    std::vector<FileFilter> filters;
    bool mustExist = true;
};

// A window the user may open once the run has ended, such as the plan of the cave.
struct RunView {
    std::string label;  // button label; "&" marks its mnemonic
    std::function<void()> show;
};

class Platform {
public:
    virtual ~Platform() = default;
    // Shows a dialog until the user presses a button; returns its index, or -1
    // when the window was closed without one.
    virtual int present(const Dialog& dialog) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> choose(const FileChooser& chooser) = 0;
    // The console log: the program's own messages, nothing else.
    virtual LineSink& console() = 0;
    // Whether the platform shows views of a finished run (windows do).
    virtual bool offersViews() const { return false; }
    // Called once when the run has ended (0 complete, 1 failure stop), with the
    // views of its results that a windowed platform offers.
    virtual void finished(int /*status*/, const std::vector<RunView>& /*views*/) {}
};

// The chooser's rule for a file that must exist: a regular file, or a link to
// one (a folder, a device or a pipe is refused), and the message that refuses.
bool isChoosableFile(const std::string& path);
std::string notChoosableMessage(const std::string& path);

// Shows a dialog and runs the pressed button's action; an action that returns
// non-zero keeps the dialog open. Returns the index of the button that closed it.
int runDialog(Platform& platform, const Dialog& dialog);

}  // namespace mirval
