// The plan view's model and its screen mapping.
#include "app/views/plan_model.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace mirval::desktop;
using mirval::Store;

// Stations 1 (external base), 2 (survey station), 3 (radiation point) and 4
// (never reached); lines 1-2, 2-3 and 2-4.
std::unique_ptr<Store> smallSurvey() {
    auto s = std::make_unique<Store>();
    mirval::initialiseStore(*s);
    s->header.caveName.assign("Gruta do Lago");
    auto& st = s->stations;
    const struct { const char* name; double x, y, ht; int known; } stations[] = {
        {"EXT0", 100, 200, -1, 1}, {"E1", 110, 200, 2.5, 1}, {"R1", 110, 205, 0, 1}, {"E9", 0, 0, 3, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        st.name[i + 1].assign(stations[i].name);
        st.x[i + 1] = stations[i].x;
        st.y[i + 1] = stations[i].y;
        st.ht[i + 1] = stations[i].ht;
        st.known[i + 1] = stations[i].known;
    }
    auto& sh = s->shots;
    const int lines[][2] = {{1, 2}, {2, 3}, {2, 4}};
    for (std::size_t i = 0; i < 3; ++i) {
        sh.base[i + 1] = lines[i][0];
        sh.sighted[i + 1] = lines[i][1];
    }
    s->lineCount = 3;
    sh.ldb[1] = 0;  // a reading of 0 is drawn
    sh.ldbPoint.x[1] = 100;
    sh.ldbPoint.y[1] = 199;
    sh.lev[1] = 1.5;
    sh.levPoint.x[1] = 110;
    sh.levPoint.y[1] = 201.5;
    sh.leb[2] = -0.0009;  // above -0.001: drawn
    sh.lebPoint.x[2] = 109;
    sh.lebPoint.y[2] = 198;
    return s;
}

TEST(PlanOfSurvey, TakesReachedStationsLinesByKindAndWallReadings) {
    const auto s = smallSurvey();
    const PlanModel plan = planOfSurvey(*s);
    EXPECT_EQ(plan.caveName, "Gruta do Lago");
    ASSERT_EQ(plan.stations.size(), 3u);
    EXPECT_EQ(plan.stations[0].name, "EXT0");
    EXPECT_EQ(plan.stations[0].kind, PlanKind::External);
    EXPECT_EQ(plan.stations[1].kind, PlanKind::Survey);
    EXPECT_EQ(plan.stations[2].kind, PlanKind::Radiation);

    ASSERT_EQ(plan.lines.size(), 5u);  // three wall readings, then the two reached lines
    EXPECT_EQ(plan.lines[0].kind, PlanKind::Wall);
    EXPECT_DOUBLE_EQ(plan.lines[0].from.x, 100);  // LDB from the base
    EXPECT_DOUBLE_EQ(plan.lines[0].to.y, 199);
    EXPECT_DOUBLE_EQ(plan.lines[1].from.x, 110);  // LEV from the sighted station
    EXPECT_DOUBLE_EQ(plan.lines[1].to.y, 201.5);
    EXPECT_EQ(plan.lines[3].kind, PlanKind::Survey);     // sighted E1 has a ceiling
    EXPECT_EQ(plan.lines[4].kind, PlanKind::Radiation);  // sighted R1 has HT 0
    EXPECT_EQ(plan.wallPoints.size(), 3u);

    const PlanBounds b = plan.bounds();
    EXPECT_DOUBLE_EQ(b.minX, 100);
    EXPECT_DOUBLE_EQ(b.maxX, 110);
    EXPECT_DOUBLE_EQ(b.minY, 198);
    EXPECT_DOUBLE_EQ(b.maxY, 205);
}

TEST(PlanOfSurvey, SurveysWithoutWallReadingsAndBadRowsAreSkipped) {
    auto s = smallSurvey();
    s->facts.hasWallReadings = false;
    s->shots.sighted[3] = 10001;  // never a valid station
    s->lineCount = 20000;
    const PlanModel plan = planOfSurvey(*s);
    EXPECT_TRUE(plan.wallPoints.empty());
    EXPECT_EQ(plan.lines.size(), 2u);

    mirval::initialiseStore(*s);
    EXPECT_TRUE(planOfSurvey(*s).empty());
}

TEST(PlanOfSurvey, AdjustedNetworkMarksItsFarthestShiftsInsteadOfMisclosures) {
    const auto s = smallSurvey();
    mirval::ClosureAnalysis closures;
    closures.loops.resize(1);
    closures.loops[0].duplicate = 3;
    closures.loops[0].original = 2;
    closures.suspects.resize(1);
    closures.suspects[0].row = 2;
    mirval::AdjustmentResults adjustment;
    adjustment.shifts.resize(13);
    for (int k = 0; k < 13; ++k) {
        adjustment.shifts[k].station = 2;
        adjustment.shifts[k].length = k < 5 ? 0.35 - 0.01 * k : 0.0009;  // then under a millimetre
    }
    PlanModel plan = planOfSurvey(*s);
    addAdjustment(plan, *s, closures, adjustment);
    EXPECT_FALSE(plan.has(PlanKind::Misclosure));
    EXPECT_TRUE(plan.has(PlanKind::Suspect));
    ASSERT_EQ(plan.marks.size(), 5u);
    EXPECT_EQ(plan.marks[0].text, "0.350 m");
    EXPECT_DOUBLE_EQ(plan.marks[0].at.x, 110);
}

TEST(PlanView, FitsZoomsAboutThePointerAndPans) {
    PlanView view;
    view.fit({100, 200, 110, 205}, 580, 380);  // 500 x 300 pixels inside the margins
    EXPECT_DOUBLE_EQ(view.pixelsPerMetre(), 50);  // the wider extent decides
    const PlanPoint centre = view.toScreen({105, 202.5});
    EXPECT_NEAR(centre.x, 290, 1e-9);
    EXPECT_NEAR(centre.y, 190, 1e-9);
    const PlanPoint north = view.toScreen({105, 205});
    EXPECT_LT(north.y, centre.y);  // north is up

    const PlanPoint pointer{400, 100};
    const PlanPoint under = view.toWorld(pointer);
    view.zoomAt(2, pointer);
    EXPECT_DOUBLE_EQ(view.pixelsPerMetre(), 100);
    EXPECT_NEAR(view.toScreen(under).x, pointer.x, 1e-9);
    EXPECT_NEAR(view.toScreen(under).y, pointer.y, 1e-9);

    const PlanPoint before = view.toScreen({101, 201});
    view.pan(15, -20);
    EXPECT_NEAR(view.toScreen({101, 201}).x, before.x + 15, 1e-9);
    EXPECT_NEAR(view.toScreen({101, 201}).y, before.y - 20, 1e-9);

    view.fit({5, 5, 5, 5}, 200, 100);  // a single station: centred at a fixed scale
    EXPECT_NEAR(view.toScreen({5, 5}).x, 100, 1e-9);
    EXPECT_NEAR(view.toScreen({5, 5}).y, 50, 1e-9);
    view.zoomAt(0, {0, 0});  // ignored
    EXPECT_GT(view.pixelsPerMetre(), 0);
}

TEST(ClipSegment, KeepsThePartInsideTheRectangle) {
    const auto inside = clipSegment({1, 1}, {5, 5}, 0, 0, 10, 10);
    ASSERT_TRUE(inside);
    EXPECT_DOUBLE_EQ(inside->second.x, 5);

    const auto crossing = clipSegment({-10, 5}, {20, 5}, 0, 0, 10, 10);
    ASSERT_TRUE(crossing);
    EXPECT_DOUBLE_EQ(crossing->first.x, 0);
    EXPECT_DOUBLE_EQ(crossing->second.x, 10);

    const auto far = clipSegment({-1e9, -1e9}, {1e9, 1e9}, 0, 0, 10, 10);
    ASSERT_TRUE(far);
    EXPECT_NEAR(far->first.x, 0, 1e-6);
    EXPECT_NEAR(far->second.y, 10, 1e-6);

    EXPECT_FALSE(clipSegment({-5, -1}, {-5, 20}, 0, 0, 10, 10));  // vertical, left of it
    EXPECT_FALSE(clipSegment({11, 0}, {20, 9}, 0, 0, 10, 10));
    EXPECT_TRUE(clipSegment({-1, 5}, {5, -1}, 0, 0, 10, 10));    // cuts a corner
    EXPECT_FALSE(clipSegment({-2, 1}, {1, -2}, 0, 0, 10, 10));   // passes it by
}

TEST(ScaleBar, PicksARoundLength) {
    EXPECT_DOUBLE_EQ(scaleBarMetres(10, 120), 10);     // 12 m wanted
    EXPECT_DOUBLE_EQ(scaleBarMetres(0.37, 120), 200);  // 324 m wanted
    EXPECT_DOUBLE_EQ(scaleBarMetres(200, 120), 0.5);   // 0.6 m wanted
    EXPECT_DOUBLE_EQ(scaleBarMetres(1, 50), 50);
}

TEST(LabelSpace, RefusesOverlapsAndPlacesOffScreen) {
    LabelSpace room(100, 50);
    EXPECT_TRUE(room.claim(0, 0, 30, 10));
    EXPECT_FALSE(room.claim(20, 5, 60, 15));  // covers the first
    EXPECT_TRUE(room.claim(0, 10, 30, 20));   // touches it from below
    EXPECT_TRUE(room.claim(40, 20, 90, 30));
    EXPECT_TRUE(room.claim(10, 37, 30, 50));  // the last pixel row
    EXPECT_FALSE(room.claim(-5, 0, 10, 10));
    EXPECT_FALSE(room.claim(90, 40, 130, 49));
    EXPECT_FALSE(room.claim(10, 10, 5, 5));
}

}  // namespace
