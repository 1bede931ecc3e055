// The console log's own window.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include "dialogs/desktop_fltk.hpp"
#include "dialogs/desktop_text.hpp"

namespace mirval::desktop {

namespace {

constexpr int kWidth = 860;
constexpr int kHeight = 560;
constexpr int kMargin = 10;
constexpr int kButtonHeight = 30;
constexpr int kStatusHeight = 24;
constexpr int kViewButtonStep = 190;  // width of a view button and the gap after it
constexpr auto kRepaintEvery = std::chrono::milliseconds(40);

}  // namespace

struct ConsoleWindow::Widgets {
    Fl_Text_Buffer buffer;  // outlives the window, whose display uses it
    Fl_Double_Window window{kWidth, kHeight, "Console do MIRVAL"};
    Fl_Text_Display* text = nullptr;
    Fl_Box* state = nullptr;
    Fl_Button* close = nullptr;
    bool running = true;

    // The log, the status line on a row of its own (the whole sentence shows
    // whatever buttons the run adds), then the buttons.
    Widgets() {
        const int buttonsY = kHeight - kMargin - kButtonHeight;
        const int statusY = buttonsY - kStatusHeight - kMargin / 2;
        text = new Fl_Text_Display(kMargin, kMargin, kWidth - 2 * kMargin, statusY - 2 * kMargin);
        text->buffer(&buffer);
        text->textfont(FL_COURIER);
        text->textsize(13);
        state = new Fl_Box(kMargin, statusY, kWidth - 2 * kMargin, kStatusHeight, "Processando...");
        state->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        close = new Fl_Button(kWidth - 150, buttonsY, 140, kButtonHeight, "&Fechar");
        close->deactivate();
        close->callback([](Fl_Widget*, void* self) { static_cast<Widgets*>(self)->window.hide(); }, this);
        window.end();
        window.resizable(text);
        window.size_range(400, 200);
        window.position(Fl::x() + 20, Fl::y() + 20);
        // the window closes only after the run
        window.callback([](Fl_Widget* w, void* self) {
            if (!static_cast<Widgets*>(self)->running) w->hide();
        }, this);
    }

    void showLastLines(int lineCount) { text->scroll(lineCount, 0); }

    // One button per view, before "Fechar"; returns the first.
    Fl_Button* addViewButtons(const std::vector<RunView>& shown) {
        const int buttonsY = kHeight - kMargin - kButtonHeight;
        const int count = static_cast<int>(shown.size());
        Fl_Button* first = nullptr;
        window.begin();
        for (int k = 0; k < count; ++k) {
            const int x = kWidth - 150 - kViewButtonStep * (count - k);
            auto* button = new Fl_Button(x, buttonsY, kViewButtonStep - kMargin, kButtonHeight);
            button->copy_label(shown[static_cast<std::size_t>(k)].label.c_str());
            button->callback([](Fl_Widget*, void* view) { static_cast<const RunView*>(view)->show(); },
                             const_cast<RunView*>(&shown[static_cast<std::size_t>(k)]));
            if (first == nullptr) first = button;
        }
        window.end();
        return first;
    }
};

ConsoleWindow::ConsoleWindow() = default;
ConsoleWindow::~ConsoleWindow() = default;

void ConsoleWindow::append(std::string_view line) {
    if (!widgets_) {
        widgets_ = std::make_unique<Widgets>();
        widgets_->window.show();
    }
    widgets_->buffer.append((displayable(line) + "\n").c_str());
    ++lineCount_;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastRepaint_ >= kRepaintEvery) {
        widgets_->showLastLines(lineCount_);
        Fl::check();
        lastRepaint_ = std::chrono::steady_clock::now();
    }
}

void ConsoleWindow::showEnd() {
    if (widgets_) widgets_->showLastLines(lineCount_);
}

void ConsoleWindow::waitUntilClosed(const std::vector<RunView>& views, int status) {
    if (!widgets_) return;
    Widgets& w = *widgets_;
    w.running = false;
    w.showLastLines(lineCount_);
    w.state->label(status == 0 ? "Processamento concluído. Feche esta janela para sair."
                               : "O processamento parou: veja as mensagens acima.");
    w.close->activate();
    Fl_Button* firstView = w.addViewButtons(views);
    if (firstView != nullptr) {
        firstView->take_focus();
    } else {
        w.close->take_focus();
    }
    w.window.redraw();
    w.window.show();
    while (w.window.shown()) Fl::wait();
}

}  // namespace mirval::desktop
