// The report window: the report in a fixed-width font, and a button that saves it.
#include "app/views/report_window.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_ask.H>

#include "dialogs/desktop_text.hpp"

namespace mirval::desktop {

namespace {

constexpr int kWidth = 980;
constexpr int kHeight = 600;
constexpr int kMargin = 10;
constexpr int kButtonHeight = 30;

// Each line as a window shows it; the line ends stay.
std::string displayableLines(std::string_view text) {
    std::string shown;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        shown += displayable(text.substr(start, end - start)) + "\n";
        start = end + 1;
    }
    return shown;
}

struct ReportWindow {
    Fl_Text_Buffer buffer;  // outlives the window, whose display uses it
    Fl_Double_Window window{kWidth, kHeight};
    const std::string& title;
    const std::string& text;
    const std::string& reportName;
    const ReportSaver& save;
    std::string saveLabel;

    ReportWindow(const std::string& caption, const std::string& messageTitle, const std::string& reportText,
                 const std::string& name, const ReportSaver& saver)
        : title(messageTitle), text(reportText), reportName(name), save(saver) {
        window.copy_label(caption.c_str());
        const int buttonsY = kHeight - kMargin - kButtonHeight;
        auto* display = new Fl_Text_Display(kMargin, kMargin, kWidth - 2 * kMargin, buttonsY - 2 * kMargin);
        buffer.text(displayableLines(text).c_str());
        display->buffer(&buffer);
        display->textfont(FL_COURIER);
        display->textsize(12);
        saveLabel = "&Salvar " + displayable(name);
        auto* save = new Fl_Button(kMargin, buttonsY, kWidth - 180, kButtonHeight);
        save->copy_label(saveLabel.c_str());
        save->callback([](Fl_Widget*, void* self) { static_cast<ReportWindow*>(self)->saveReport(); }, this);
        auto* close = new Fl_Button(kWidth - 150, buttonsY, 140, kButtonHeight, "&Fechar");
        close->callback([](Fl_Widget*, void* self) { static_cast<ReportWindow*>(self)->window.hide(); }, this);
        window.end();
        window.resizable(display);
        window.set_modal();
    }

    void saveReport() const {
        const std::string failure = save(reportName, text);
        fl_message_title(title.c_str());
        if (failure.empty()) {
            fl_message("Relatório gravado em %s", displayable(reportName).c_str());
        } else {
            fl_alert("%s", displayableLines(failure).c_str());
        }
    }
};

}  // namespace

void showReport(const std::string& caption, const std::string& title, const std::string& reportText,
                const std::string& reportName, const ReportSaver& save) {
    ReportWindow view(caption, title, reportText, reportName, save);
    view.window.show();
    while (view.window.shown()) Fl::wait();
}

}  // namespace mirval::desktop
