#pragma once
// The plan view of a reduced survey: what is drawn (taken from the store after
// the run) and how metres map to pixels while the user pans and zooms. No
// toolkit here; plan_window.cpp draws it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/adjustment_results.hpp"
#include "store/closure_results.hpp"
#include "store/store.hpp"

namespace mirval::desktop {

struct PlanPoint {
    double x = 0;
    double y = 0;
};

// The kinds the drawings colour differently, the marks of the loop closures
// and those of the adjustment.
enum class PlanKind { Survey, External, Radiation, Wall, Misclosure, Suspect, Shift };

struct PlanLine {
    PlanPoint from, to;
    PlanKind kind = PlanKind::Survey;
};

struct PlanStation {
    PlanPoint at;
    std::string name;  // displayable, without trailing blanks
    PlanKind kind = PlanKind::Survey;
};

// A station the adjustment moved far, with how far.
struct PlanMark {
    PlanPoint at;
    std::string text;
};

struct PlanBounds {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

struct PlanModel {
    std::string caveName;  // displayable, without trailing blanks
    std::vector<PlanLine> lines;        // wall readings first, then survey lines
    std::vector<PlanPoint> wallPoints;
    std::vector<PlanStation> stations;
    std::vector<PlanMark> marks;  // of the kind Shift

    bool empty() const { return stations.empty(); }
    bool has(PlanKind kind) const;
    PlanBounds bounds() const;  // of stations and wall points
};

// Kind of a station (and of the survey line that sights it) from its ceiling
// height: below -0.001 external, up to 0.001 a radiation point, else a survey station.
PlanKind stationKind(double ht);

// The stations with coordinates, the survey lines between them, and, when the
// survey has wall readings, those above -0.001.
PlanModel planOfSurvey(const Store& s);

// Every misclosure as a segment from the original station to its duplicate,
// and every line with a suspect reading, drawn over the survey lines.
void addClosures(PlanModel& plan, const Store& s, const ClosureAnalysis& closures);

// Over the adjusted network, which closes every loop: every line with a
// suspect reading, and the stations the adjustment moved farthest (at most
// ten, each by 1 mm or more).
void addAdjustment(PlanModel& plan, const Store& s, const ClosureAnalysis& closures,
                   const AdjustmentResults& adjustment);

// World (metres, Y to the north) to screen (pixels from the view's top left
// corner, Y down) and back.
class PlanView {
public:
    // Whole survey in a width x height view, with a margin all round.
    void fit(const PlanBounds& bounds, double width, double height);
    PlanPoint toScreen(PlanPoint world) const;
    PlanPoint toWorld(PlanPoint screen) const;
    // Zooms by `factor` keeping the world point under `screen` where it is.
    void zoomAt(double factor, PlanPoint screen);
    // Moves the drawing with the pointer by (dx, dy) pixels.
    void pan(double dx, double dy);
    double pixelsPerMetre() const { return scale_; }

private:
    double scale_ = 1;
    double left_ = 0;  // world X at the view's left edge
    double top_ = 0;   // world Y at the view's top edge
};

// The part of segment a-b inside the rectangle, or nothing (screen
// coordinates: the window system only takes 16-bit ones).
std::optional<std::pair<PlanPoint, PlanPoint>> clipSegment(PlanPoint a, PlanPoint b, double left, double top,
                                                           double right, double bottom);

// A round length (1, 2 or 5 times a power of ten metres) near `pixels` long.
double scaleBarMetres(double pixelsPerMetre, double pixels);

// Room for station names on screen: a name is written only where it does not
// cover one already written, so a zoomed-out survey stays readable.
class LabelSpace {
public:
    LabelSpace(int width, int height);
    // Takes the rectangle [left, right) x [top, bottom) when it is free and
    // on screen; false otherwise.
    bool claim(double left, double top, double right, double bottom);

private:
    static constexpr int kCell = 4;  // pixels
    int columns_, rows_;
    std::vector<bool> taken_;
};

}  // namespace mirval::desktop
