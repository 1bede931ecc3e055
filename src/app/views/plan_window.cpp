// The plan view window: the reduced survey drawn in the colours of its DXF
// plan, on a dark ground as in a CAD program. Drag to pan; the wheel, + and -
// zoom; 0 fits the whole survey again.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "app/views/plan_window.hpp"

namespace mirval::desktop {

namespace {

constexpr double kZoomStep = 1.25;
constexpr int kSymbol = 7;        // station triangle edge, pixels
constexpr int kClipMargin = 20;   // segments are cut a little outside the view
constexpr int kMarkRadius = 9;    // circle round a station the adjustment moved far
constexpr Fl_Fontsize kNameSize = 11;
constexpr Fl_Fontsize kNoteSize = 12;

const Fl_Color kGround = fl_rgb_color(0, 0, 0);
const Fl_Color kNoteColour = fl_rgb_color(210, 210, 210);
const Fl_Color kWallPointColour = fl_rgb_color(0, 127, 95);  // layer colour 124

// The layer colours of the drawings: 3 survey lines, 2 external, 6 radiation,
// 122 wall readings.
Fl_Color colourOf(PlanKind kind) {
    switch (kind) {
        case PlanKind::Survey: return fl_rgb_color(0, 255, 0);
        case PlanKind::External: return fl_rgb_color(255, 255, 0);
        case PlanKind::Radiation: return fl_rgb_color(255, 0, 255);
        case PlanKind::Wall: return fl_rgb_color(0, 165, 124);
        case PlanKind::Misclosure: return fl_rgb_color(255, 40, 40);
        case PlanKind::Suspect: return fl_rgb_color(255, 150, 0);
        case PlanKind::Shift: return fl_rgb_color(0, 200, 255);
    }
    return FL_WHITE;
}

void drawText(const std::string& text, int x, int y) {
    fl_draw(text.c_str(), static_cast<int>(text.size()), x, y);
}

int textWidth(const std::string& text) {
    return static_cast<int>(fl_width(text.c_str(), static_cast<int>(text.size())) + 0.5);
}

std::string metresText(double metres) {
    char text[32];
    std::snprintf(text, sizeof text, metres >= 1 ? "%.0f m" : "%g m", metres);
    return text;
}

class PlanWidget final : public Fl_Widget {
public:
    PlanWidget(int x, int y, int w, int h, const PlanModel& plan) : Fl_Widget(x, y, w, h), plan_(plan) {
        fitAll();
    }

    void resize(int x, int y, int w, int h) override {
        // keep the centre of the view where it is
        const PlanPoint centre = view_.toWorld({this->w() / 2.0, this->h() / 2.0});
        Fl_Widget::resize(x, y, w, h);
        const PlanPoint moved = view_.toScreen(centre);
        view_.pan(w / 2.0 - moved.x, h / 2.0 - moved.y);
    }

private:
    void fitAll() { view_.fit(plan_.bounds(), w(), h()); }

    PlanPoint local(int screenX, int screenY) const { return {double(screenX - x()), double(screenY - y())}; }

    void zoom(double factor, PlanPoint at) {
        view_.zoomAt(factor, at);
        redraw();
    }

    int handle(int event) override {
        switch (event) {
            case FL_FOCUS:
            case FL_UNFOCUS: return 1;
            case FL_PUSH:
                take_focus();
                dragFrom_ = local(Fl::event_x(), Fl::event_y());
                return 1;
            case FL_DRAG: {
                const PlanPoint now = local(Fl::event_x(), Fl::event_y());
                view_.pan(now.x - dragFrom_.x, now.y - dragFrom_.y);
                dragFrom_ = now;
                redraw();
                return 1;
            }
            case FL_MOUSEWHEEL:
                zoom(std::pow(kZoomStep, -Fl::event_dy()), local(Fl::event_x(), Fl::event_y()));
                return 1;
            case FL_KEYBOARD:
            case FL_SHORTCUT: return key(Fl::event_key(), Fl::event_text());
            default: return Fl_Widget::handle(event);
        }
    }

    int key(int code, const char* text) {
        const PlanPoint centre{w() / 2.0, h() / 2.0};
        const char c = text != nullptr ? text[0] : '\0';
        const double step = 60;
        if (c == '+' || c == '=' || code == FL_KP + '+') zoom(kZoomStep, centre);
        else if (c == '-' || code == FL_KP + '-') zoom(1 / kZoomStep, centre);
        else if (c == '0' || code == FL_Home) fitAll();
        else if (code == FL_Left) view_.pan(step, 0);
        else if (code == FL_Right) view_.pan(-step, 0);
        else if (code == FL_Up) view_.pan(0, step);
        else if (code == FL_Down) view_.pan(0, -step);
        else return 0;
        redraw();
        return 1;
    }

    void draw() override {
        fl_push_clip(x(), y(), w(), h());
        fl_color(kGround);
        fl_rectf(x(), y(), w(), h());
        drawLines();
        drawWallPoints();
        LabelSpace room(w(), h());
        drawMarks(room);
        drawStations(room);
        drawLegend();
        drawScaleBar();
        drawNorth();
        drawHelp();
        fl_pop_clip();
    }

    void drawLines() const {
        for (const auto& line : plan_.lines) {
            fl_line_style(FL_SOLID, line.kind == PlanKind::Suspect || line.kind == PlanKind::Misclosure ? 3 : 1);
            const auto part = clipSegment(view_.toScreen(line.from), view_.toScreen(line.to), -kClipMargin,
                                          -kClipMargin, w() + kClipMargin, h() + kClipMargin);
            if (!part) continue;
            fl_color(colourOf(line.kind));
            fl_line(x() + int(std::lround(part->first.x)), y() + int(std::lround(part->first.y)),
                    x() + int(std::lround(part->second.x)), y() + int(std::lround(part->second.y)));
        }
        fl_line_style(FL_SOLID, 1);
    }

    bool onScreen(PlanPoint p) const {
        return p.x > -kClipMargin && p.y > -kClipMargin && p.x < w() + kClipMargin && p.y < h() + kClipMargin;
    }

    void drawWallPoints() const {
        fl_color(kWallPointColour);
        for (const auto& point : plan_.wallPoints) {
            const PlanPoint p = view_.toScreen(point);
            if (onScreen(p)) fl_rectf(x() + int(std::lround(p.x)) - 1, y() + int(std::lround(p.y)) - 1, 3, 3);
        }
    }

    // Names are written where no name or mark is written yet.
    void drawStations(LabelSpace& room) const {
        fl_font(FL_HELVETICA, kNameSize);
        for (const auto& station : plan_.stations) {
            const PlanPoint p = view_.toScreen(station.at);
            if (!onScreen(p)) continue;
            const int sx = x() + int(std::lround(p.x));
            const int sy = y() + int(std::lround(p.y));
            fl_color(colourOf(station.kind));
            fl_loop(sx, sy - kSymbol * 2 / 3, sx + kSymbol / 2, sy + kSymbol / 3, sx - kSymbol / 2, sy + kSymbol / 3);
            const int nameX = int(std::lround(p.x)) + kSymbol;
            const int nameY = int(std::lround(p.y)) + fl_height() / 2 - fl_descent();
            const int nameTop = nameY - fl_height() + fl_descent();
            if (room.claim(nameX, nameTop, nameX + textWidth(station.name), nameY + fl_descent())) {
                drawText(station.name, x() + nameX, y() + nameY);
            }
        }
    }

    // A circle round each station the adjustment moved far, and its shift
    // where no other shift is written.
    void drawMarks(LabelSpace& room) const {
        fl_font(FL_HELVETICA_BOLD, kNameSize);
        fl_color(colourOf(PlanKind::Shift));
        fl_line_style(FL_SOLID, 2);
        for (const auto& mark : plan_.marks) {
            const PlanPoint p = view_.toScreen(mark.at);
            if (!onScreen(p)) continue;
            const int px = int(std::lround(p.x));
            const int py = int(std::lround(p.y));
            fl_arc(x() + px - kMarkRadius, y() + py - kMarkRadius, 2 * kMarkRadius, 2 * kMarkRadius, 0, 360);
            const int textX = px + kMarkRadius + 2;
            const int baseline = py - kMarkRadius;
            if (room.claim(textX, baseline - fl_height() + fl_descent(), textX + textWidth(mark.text),
                           baseline + fl_descent())) {
                drawText(mark.text, x() + textX, y() + baseline);
            }
        }
        fl_line_style(FL_SOLID, 1);
    }

    void drawLegend() const {
        static const std::pair<PlanKind, const char*> kItems[] = {
            {PlanKind::Survey, "Linha de trena"},
            {PlanKind::External, "Linha externa"},
            {PlanKind::Radiation, "Linha de radiação"},
            {PlanKind::Wall, "Leitura de parede"},
            {PlanKind::Misclosure, "Erro de fechamento"},
            {PlanKind::Suspect, "Linha com leitura suspeita"},
            {PlanKind::Shift, "Maior deslocamento do ajuste"},
        };
        fl_font(FL_HELVETICA, kNoteSize);
        int row = y() + 12;
        for (const auto& [kind, text] : kItems) {
            const bool mark = kind == PlanKind::Misclosure || kind == PlanKind::Suspect || kind == PlanKind::Shift;
            if (mark && !plan_.has(kind)) continue;
            fl_color(colourOf(kind));
            fl_line_style(FL_SOLID, 2);
            if (kind == PlanKind::Shift) {
                fl_arc(x() + 16, row, 12, 12, 0, 360);
            } else {
                fl_line(x() + 10, row + 6, x() + 34, row + 6);
            }
            fl_line_style(FL_SOLID, 1);
            fl_color(kNoteColour);
            drawText(text, x() + 42, row + 6 + fl_height() / 2 - fl_descent());
            row += fl_height() + 4;
        }
    }

    void drawScaleBar() const {
        const double metres = scaleBarMetres(view_.pixelsPerMetre(), 120);
        const int length = int(std::lround(metres * view_.pixelsPerMetre()));
        const int left = x() + 14;
        const int base = y() + h() - 16;
        fl_color(kNoteColour);
        fl_line(left, base, left + length, base);
        fl_line(left, base - 5, left, base + 1);
        fl_line(left + length, base - 5, left + length, base + 1);
        fl_font(FL_HELVETICA, kNoteSize);
        drawText(metresText(metres), left + length + 8, base + fl_height() / 2 - fl_descent() - 2);
    }

    void drawNorth() const {
        const int cx = x() + w() - 28;
        const int top = y() + 14;
        fl_color(kNoteColour);
        fl_polygon(cx, top, cx + 7, top + 22, cx - 7, top + 22);
        fl_font(FL_HELVETICA_BOLD, kNoteSize);
        drawText("N", cx - textWidth("N") / 2, top + 22 + fl_height());
    }

    void drawHelp() const {
        static const std::string kHelp = "Arrastar: mover    Roda, + e -: zoom    0: ver tudo    Esc: fechar";
        fl_font(FL_HELVETICA, kNoteSize);
        fl_color(kNoteColour);
        drawText(kHelp, x() + w() - textWidth(kHelp) - 12, y() + h() - 12);
    }

    const PlanModel& plan_;
    PlanView view_;
    PlanPoint dragFrom_;
};

}  // namespace

void showPlan(const PlanModel& plan) {
    const int w = std::min(1000, Fl::w() - 60);
    const int h = std::min(720, Fl::h() - 80);
    Fl_Double_Window window(w, h);
    const std::string caption = "Planta da gruta – " + plan.caveName;
    window.copy_label(caption.c_str());
    auto* view = new PlanWidget(0, 0, w, h, plan);
    window.end();
    window.resizable(view);
    window.size_range(300, 200);
    window.position(Fl::x() + (Fl::w() - w) / 2, Fl::y() + (Fl::h() - h) / 2);
    window.set_modal();
    window.show();
    view->take_focus();
    while (window.shown()) Fl::wait();
}

}  // namespace mirval::desktop
