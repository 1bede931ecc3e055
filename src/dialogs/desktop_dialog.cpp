// The program's dialogs as modal FLTK windows, and the open-file dialog.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/desktop_fltk.hpp"
#include "dialogs/desktop_text.hpp"

namespace mirval::desktop {

namespace {

constexpr Fl_Font kFont = FL_HELVETICA;
constexpr Fl_Fontsize kFontSize = 14;
constexpr int kMargin = 16;     // window edge to box, box to buttons
constexpr int kPadding = 12;    // box edge to text
constexpr int kButtonHeight = 30;
constexpr int kButtonPadding = 36;
constexpr int kReturnMark = 22;  // room for the default button's mark
constexpr int kCheckHeight = 26;
constexpr int kCheckMark = 30;   // room for a check box's square

int lineHeight() {
    fl_font(kFont, kFontSize);
    return fl_height() + 2;
}

int textWidth(const std::string& text) {
    fl_font(kFont, kFontSize);
    return static_cast<int>(fl_width(text.c_str(), static_cast<int>(text.size())) + 0.5);
}

// The raised box and its lines, drawn as plain text: no '@' symbols or '&'
// underlines in file names.
class TextLines final : public Fl_Widget {
public:
    TextLines(int x, int y, int w, int h, std::vector<std::string> lines)
        : Fl_Widget(x, y, w, h), lines_(std::move(lines)) {
        box(FL_UP_BOX);
    }

    static int heightFor(std::size_t lineCount) {
        return static_cast<int>(lineCount) * lineHeight() + 2 * kPadding;
    }

private:
    void draw() override {
        draw_box();
        fl_push_clip(x() + 2, y() + 2, w() - 4, h() - 4);
        fl_font(kFont, kFontSize);
        fl_color(FL_FOREGROUND_COLOR);
        const int step = lineHeight();
        int baseline = y() + kPadding + step - fl_descent() - 1;
        for (const auto& line : lines_) {
            fl_draw(line.c_str(), static_cast<int>(line.size()), x() + kPadding, baseline);
            baseline += step;
        }
        fl_pop_clip();
    }

    std::vector<std::string> lines_;
};

class DialogWindow final : public Fl_Double_Window {
public:
    explicit DialogWindow(const Dialog& dialog) : Fl_Double_Window(100, 100) {
        copy_label(displayable(dialog.caption).c_str());
        color(FL_BACKGROUND_COLOR);
        build(dialog);
        end();
        set_modal();
        callback([](Fl_Widget* w, void*) { w->hide(); });  // closed without a button: -1
    }

    int pressed() const { return pressed_; }

private:
    void build(const Dialog& dialog) {
        std::vector<std::string> lines;
        int textW = 0;
        for (const auto& line : dialog.lines) {
            lines.push_back(displayable(line));
            textW = std::max(textW, textWidth(lines.back()));
        }
        const int maxW = std::max(Fl::w() - 4 * kMargin, 200);
        const int boxW = std::min(textW + 2 * kPadding, maxW);
        const int boxH = TextLines::heightFor(lines.size());

        std::vector<int> widths;
        int rowW = 0;
        const int gap = std::max(dialog.buttonGap * textWidth(" "), 8);
        for (const auto& button : dialog.buttons) {
            widths.push_back(textWidth(button.label) + kButtonPadding + (button.isDefault ? kReturnMark : 0));
            rowW += widths.back() + (widths.size() > 1 ? gap : 0);
        }
        int checksW = 0;
        for (const auto& check : dialog.checkBoxes) checksW = std::max(checksW, textWidth(check.label) + kCheckMark);
        const int winW = std::max({boxW, rowW, checksW}) + 2 * kMargin;
        // the box, the check boxes, an empty line, then the buttons
        const int checksY = kMargin + boxH + kMargin / 2;
        const int buttonsY = checksY + static_cast<int>(dialog.checkBoxes.size()) * kCheckHeight + lineHeight();
        const int winH = buttonsY + kButtonHeight + kMargin;
        size(winW, winH);
        position(Fl::x() + (Fl::w() - winW) / 2, Fl::y() + (Fl::h() - winH) / 2);

        begin();
        new TextLines((winW - boxW) / 2, kMargin, boxW, boxH, std::move(lines));
        for (std::size_t i = 0; i < dialog.checkBoxes.size(); ++i) {
            addCheckBox(dialog.checkBoxes[i], (winW - boxW) / 2, checksY + static_cast<int>(i) * kCheckHeight,
                        std::max(boxW, checksW));
        }
        int x = (winW - rowW) / 2;
        for (std::size_t i = 0; i < dialog.buttons.size(); ++i) {
            addButton(dialog.buttons[i], static_cast<int>(i), x, buttonsY, widths[i]);
            x += widths[i] + gap;
        }
    }

    static void addCheckBox(const DialogCheckBox& check, int x, int y, int w) {
        auto* box = new Fl_Check_Button(x, y, w, kCheckHeight);
        box->copy_label(mnemonicLabel(displayable(check.label), check.mnemonic).c_str());
        box->labelfont(kFont);
        box->labelsize(kFontSize);
        box->value(*check.checked ? 1 : 0);
        box->callback(
            [](Fl_Widget* w, void* checked) { *static_cast<bool*>(checked) = static_cast<Fl_Button*>(w)->value() != 0; },
            check.checked);
    }

    void addButton(const DialogButton& button, int index, int x, int y, int w) {
        Fl_Button* b = button.isDefault ? new Fl_Return_Button(x, y, w, kButtonHeight)
                                        : new Fl_Button(x, y, w, kButtonHeight);
        b->copy_label(mnemonicLabel(displayable(button.label), button.mnemonic).c_str());
        b->labelfont(kFont);
        b->labelsize(kFontSize);
        b->callback(
            [](Fl_Widget* w, void* data) {
                auto* window = static_cast<DialogWindow*>(w->window());
                window->pressed_ = static_cast<int>(reinterpret_cast<std::intptr_t>(data));
                window->hide();
            },
            reinterpret_cast<void*>(static_cast<std::intptr_t>(index)));
    }

    int pressed_ = -1;
};

}  // namespace

int showDialog(const Dialog& dialog) {
    DialogWindow window(dialog);
    window.show();
    while (window.shown()) Fl::wait();
    return window.pressed();
}

std::optional<std::string> chooseFile(const FileChooser& request) {
    Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_FILE);
    const std::string title = displayable(request.title);
    const std::string filters = filterList(request.filters);
    const std::string folder = startingFolder(request.folder);
    chooser.title(title.c_str());
    chooser.filter(filters.c_str());
    chooser.directory(folder.c_str());
    chooser.preset_file(request.proposedName.c_str());
    for (;;) {
        if (chooser.show() != 0) return std::nullopt;  // cancelled, or no dialog could be shown
        const char* chosen = chooser.filename();
        if (chosen == nullptr || *chosen == '\0') return std::nullopt;
        const std::string path = chosen;
        if (!request.mustExist || isChoosableFile(path)) return path;
        fl_message_title(title.c_str());
        fl_alert("Arquivo não encontrado:\n%s", displayable(path).c_str());
    }
}

}  // namespace mirval::desktop
