// The plan of a reduced survey as the plan window draws it.
#include "app/views/plan_model.hpp"

#include <algorithm>
#include <cmath>

#include "dialogs/desktop_text.hpp"
#include "text/format.hpp"

namespace mirval::desktop {

namespace {

constexpr double kFitMargin = 40;      // pixels around the fitted survey
constexpr double kSinglePointScale = 10;  // pixels per metre when the survey has no extent
constexpr double kMinScale = 1e-4;
constexpr double kMaxScale = 1e5;
constexpr std::size_t kMarkedShifts = 10;
constexpr double kMarkedShift = 0.001;  // metres

PlanPoint stationPoint(const StationTable& st, int i) {
    return {st.x[static_cast<std::size_t>(i)], st.y[static_cast<std::size_t>(i)]};
}

struct WallReading {
    const Table<double>& reading;
    const WallPoints& point;
    bool atBase;
};

void addWallReadings(PlanModel& plan, const ShotTable& sh, std::size_t row, PlanPoint base, PlanPoint sighted) {
    const WallReading readings[] = {
        {sh.ldb, sh.ldbPoint, true},
        {sh.leb, sh.lebPoint, true},
        {sh.ldv, sh.ldvPoint, false},
        {sh.lev, sh.levPoint, false},
    };
    for (const auto& r : readings) {
        if (!(r.reading[row] > kAbsent)) continue;
        const PlanPoint wall{r.point.x[row], r.point.y[row]};
        plan.lines.push_back({r.atBase ? base : sighted, wall, PlanKind::Wall});
        plan.wallPoints.push_back(wall);
    }
}

void addLines(PlanModel& plan, const Store& s) {
    const StationTable& st = s.stations;
    const ShotTable& sh = s.shots;
    const bool withWalls = s.facts.hasWallReadings;
    const int rows = std::clamp(s.lineCount, 0, kCapacity);
    std::vector<PlanLine> surveyLines;
    for (int i = 1; i <= rows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const int b = sh.base[row];
        const int v = sh.sighted[row];
        if (!isStationIndex(b) || !isStationIndex(v)) continue;
        if (st.known[static_cast<std::size_t>(b)] == 0 || st.known[static_cast<std::size_t>(v)] == 0) continue;
        const PlanPoint base = stationPoint(st, b);
        const PlanPoint sighted = stationPoint(st, v);
        surveyLines.push_back({base, sighted, stationKind(st.ht[static_cast<std::size_t>(v)])});
        if (withWalls) addWallReadings(plan, sh, row, base, sighted);
    }
    plan.lines.insert(plan.lines.end(), surveyLines.begin(), surveyLines.end());
}

void addStations(PlanModel& plan, const StationTable& st) {
    for (int i = 1; i <= kCapacity; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (st.known[at] == 0) continue;
        plan.stations.push_back({stationPoint(st, i), displayable(st.name[at].trimmed()), stationKind(st.ht[at])});
    }
}

// Every line with a suspect reading, over the survey lines.
void addSuspectLines(PlanModel& plan, const Store& s, const ClosureAnalysis& closures) {
    for (const SuspectReading& suspect : closures.suspects) {
        const int b = s.shots.base[suspect.row];
        const int v = s.shots.sighted[suspect.row];
        if (!isStationIndex(b) || !isStationIndex(v)) continue;
        plan.lines.push_back({stationPoint(s.stations, b), stationPoint(s.stations, v), PlanKind::Suspect});
    }
}

}  // namespace

PlanKind stationKind(double ht) {
    if (ht < kAbsent) return PlanKind::External;
    if (ht < kPresent) return PlanKind::Radiation;
    return PlanKind::Survey;
}

PlanModel planOfSurvey(const Store& s) {
    PlanModel plan;
    plan.caveName = displayable(s.header.caveName.trimmed());
    addLines(plan, s);
    addStations(plan, s.stations);
    return plan;
}

void addClosures(PlanModel& plan, const Store& s, const ClosureAnalysis& closures) {
    const StationTable& st = s.stations;
    for (const LoopClosure& loop : closures.loops) {
        if (!isStationIndex(loop.original) || !isStationIndex(loop.duplicate)) continue;
        plan.lines.push_back({stationPoint(st, loop.original), stationPoint(st, loop.duplicate), PlanKind::Misclosure});
    }
    addSuspectLines(plan, s, closures);
}

void addAdjustment(PlanModel& plan, const Store& s, const ClosureAnalysis& closures,
                   const AdjustmentResults& adjustment) {
    addSuspectLines(plan, s, closures);
    for (const StationShift& shift : adjustment.shifts) {
        if (plan.marks.size() == kMarkedShifts || shift.length < kMarkedShift) break;
        if (!isStationIndex(shift.station)) continue;
        plan.marks.push_back({stationPoint(s.stations, shift.station), fmt::F0(shift.length, 3) + " m"});
    }
}

bool PlanModel::has(PlanKind kind) const {
    if (kind == PlanKind::Shift) return !marks.empty();
    return std::any_of(lines.begin(), lines.end(), [kind](const PlanLine& line) { return line.kind == kind; });
}

PlanBounds PlanModel::bounds() const {
    std::vector<PlanPoint> points = wallPoints;
    for (const auto& station : stations) points.push_back(station.at);
    if (points.empty()) return {};
    PlanBounds b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const auto& p : points) {
        b.minX = std::min(b.minX, p.x);
        b.minY = std::min(b.minY, p.y);
        b.maxX = std::max(b.maxX, p.x);
        b.maxY = std::max(b.maxY, p.y);
    }
    return b;
}

void PlanView::fit(const PlanBounds& bounds, double width, double height) {
    const double spanX = bounds.maxX - bounds.minX;
    const double spanY = bounds.maxY - bounds.minY;
    const double roomX = std::max(width - 2 * kFitMargin, 1.0);
    const double roomY = std::max(height - 2 * kFitMargin, 1.0);
    double scale = kSinglePointScale;
    if (spanX > 0 || spanY > 0) {
        scale = std::min(spanX > 0 ? roomX / spanX : kMaxScale, spanY > 0 ? roomY / spanY : kMaxScale);
    }
    scale_ = std::clamp(scale, kMinScale, kMaxScale);
    const double centreX = (bounds.minX + bounds.maxX) / 2;
    const double centreY = (bounds.minY + bounds.maxY) / 2;
    left_ = centreX - width / 2 / scale_;
    top_ = centreY + height / 2 / scale_;
}

PlanPoint PlanView::toScreen(PlanPoint world) const {
    return {(world.x - left_) * scale_, (top_ - world.y) * scale_};
}

PlanPoint PlanView::toWorld(PlanPoint screen) const {
    return {left_ + screen.x / scale_, top_ - screen.y / scale_};
}

void PlanView::zoomAt(double factor, PlanPoint screen) {
    if (!(factor > 0)) return;
    const PlanPoint fixed = toWorld(screen);
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    left_ = fixed.x - screen.x / scale_;
    top_ = fixed.y + screen.y / scale_;
}

void PlanView::pan(double dx, double dy) {
    left_ -= dx / scale_;
    top_ += dy / scale_;
}

std::optional<std::pair<PlanPoint, PlanPoint>> clipSegment(PlanPoint a, PlanPoint b, double left, double top,
                                                           double right, double bottom) {
    // Liang-Barsky: the segment is a + t (b - a), t in [0, 1].
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
    double enter = 0;
    double leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) enter = std::max(enter, t);
        else leave = std::min(leave, t);
    }
    if (enter > leave) return std::nullopt;
    return std::pair{PlanPoint{a.x + enter * dx, a.y + enter * dy}, PlanPoint{a.x + leave * dx, a.y + leave * dy}};
}

double scaleBarMetres(double pixelsPerMetre, double pixels) {
    const double wanted = pixels / pixelsPerMetre;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= wanted) return step * power;
    }
    return power;
}

LabelSpace::LabelSpace(int width, int height)
    : columns_((std::max(width, 0) + kCell - 1) / kCell),
      rows_((std::max(height, 0) + kCell - 1) / kCell),
      taken_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), false) {}

bool LabelSpace::claim(double left, double top, double right, double bottom) {
    // right and bottom are exclusive: touching rectangles do not overlap
    if (!(left >= 0 && top >= 0 && right <= columns_ * kCell && bottom <= rows_ * kCell && left < right && top < bottom)) {
        return false;
    }
    const int c0 = static_cast<int>(left) / kCell, c1 = static_cast<int>(std::ceil(right)) / kCell - 1;
    const int r0 = static_cast<int>(top) / kCell, r1 = static_cast<int>(std::ceil(bottom)) / kCell - 1;
    const auto cell = [&](int r, int c) { return taken_[static_cast<std::size_t>(r * columns_ + c)]; };
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            if (cell(r, c)) return false;
        }
    }
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) cell(r, c) = true;
    }
    return true;
}

}  // namespace mirval::desktop
