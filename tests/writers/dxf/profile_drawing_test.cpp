// The profile drawing.
#include "writers/dxf/profile_drawing.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "writers/dxf/dxf_items.hpp"

namespace mirval {
namespace {

using test::Item;
using test::items;
using test::padded;
using test::writtenLines;

constexpr double H = kSymbolSize;

std::string layerOf(const Item& item) {
    const std::string layer = item.value("  8");
    return item.type() + " " + layer.substr(0, layer.find_last_not_of(' ') + 1);
}

// Group 10, 20 and 30 values of an item (the start point of a LINE).
std::string at(const Item& item) { return item.value(" 10") + "|" + item.value(" 20") + "|" + item.value(" 30"); }

TEST(ProfileStation, StationWithCeilingGetsItsVerticalAndLabels) {
    const auto all = items(writtenLines([](OutputFile& out) { CADPDXP(Name("E7"), 10.0, 812.3, 3.0, 815.3, out, H); }));
    ASSERT_EQ(all.size(), 6u);
    const std::vector<std::pair<std::string, std::string>> insert{
        {"  0", "INSERT"},         {"  5", "111"},           {"  8", "MVP_All_Tri_Estacao"}, {"  2", "Estacao"},
        {" 10", "     10.000000"}, {" 20", "    812.300000"}, {" 30", "      0.000000"}};
    EXPECT_EQ(all[0].pairs, insert);
    const std::string layers[] = {"INSERT MVP_All_Tri_Estacao",   "TEXT MVP_Top_Nome_Estacao",
                                  "TEXT MVP_Top_Cota_Estacao",    "LINE MVP_All_Vertical_Teto",
                                  "TEXT MVP_Top_Altura_Teto",     "TEXT MVP_Top_Cota_Teto"};
    const std::string positions[] = {"", "      10.30|     812.30|       0.00", "       8.80|     811.40|       0.00",
                                     "     10.00|    812.30|      0.00", "       8.50|     816.20|       0.00",
                                     "       8.80|     817.10|       0.00"};
    const std::string texts[] = {"", "E7", " 812.30", "", "   3.00", " 815.30"};
    for (std::size_t k = 1; k < 6; ++k) {
        EXPECT_EQ(layerOf(all[k]), layers[k]);
        EXPECT_EQ(at(all[k]), positions[k]);
        if (!texts[k].empty()) {
            EXPECT_EQ(all[k].value("  1"), padded(texts[k], 50));
        }
    }
    EXPECT_EQ(all[1].value(" 71") + all[1].value("230") + all[1].value(" 40"), "  0  1   0.60");
    EXPECT_EQ(all[3].value(" 11") + all[3].value(" 21") + all[3].value(" 31"), "     10.00    815.30      0.00");
}

TEST(ProfileStation, KindFollowsTheCeilingHeight) {
    const auto external = items(writtenLines([](OutputFile& out) {
        CADPDXP(Name("EXT0"), 0.0, 845.5, kNoCeilingHeight, kNoCeilingElevation, out, H);
    }));
    ASSERT_EQ(external.size(), 3u);
    EXPECT_EQ(external[0].value("  8") + " " + external[0].value("  2"), "MVP_All_Tri_Externa Externa");
    EXPECT_EQ(layerOf(external[1]), "TEXT MVP_Top_Nome_Externa");
    EXPECT_EQ(layerOf(external[2]), "TEXT MVP_Top_Cota_Estacao");

    // ceiling height 0 under a known ceiling: a radiation point, nothing drawn up
    const auto radiation = items(writtenLines([](OutputFile& out) { CADPDXP(Name("R1"), 5, 20, 0, 20, out, H); }));
    ASSERT_EQ(radiation.size(), 3u);
    EXPECT_EQ(radiation[0].value("  8") + " " + radiation[0].value("  2"), "MVP_All_Tri_Radiacao Radiacao");
    EXPECT_EQ(layerOf(radiation[1]), "TEXT MVP_Top_Nome_Radiacao");
}

TEST(ProfileSegment, LayerFromBothCeilingsAndTheToHeight) {
    auto segment = [](double htTo, double ztTo, double ztFrom) {
        std::string drawn;
        const auto lines = writtenLines([&](OutputFile& out) { CADLDXP(0, 10, 5, 11, htTo, ztTo, ztFrom, out); });
        for (const Item& it : items(lines)) drawn += layerOf(it) + " " + it.value(" 20") + it.value(" 21") + ";";
        return drawn;
    };
    EXPECT_EQ(segment(2.0, 13.0, 12.0),
              "LINE MVP_All_Linha_de_Trena      10.00     11.00;LINE MVP_All_Linha_Teto      12.00     13.00;");
    EXPECT_EQ(segment(0.0, 11.0, 12.0),
              "LINE MVP_All_Linha_Radiacao      10.00     11.00;LINE MVP_All_Linha_Teto      12.00     11.00;");
    EXPECT_EQ(segment(2.0, kNoCeilingElevation, 12.0), "LINE MVP_All_Linha_Externa      10.00     11.00;");
    EXPECT_EQ(segment(2.0, 13.0, kNoCeilingElevation), "LINE MVP_All_Linha_Externa      10.00     11.00;");
}

TEST(ProfileDrawing, NoSegmentsGiveHeadStationsAndEndOnly) {
    auto chain = std::make_unique<ProfileChain>();
    auto values = std::make_unique<ProfileValues>();
    chain->nameCount = 2;
    values->ceilingHeight.fill(kNoCeilingHeight);
    values->ceilingElevation.fill(kNoCeilingElevation);
    const auto lines = writtenLines([&](OutputFile& out) { WRTDXP(*chain, *values, out); });
    const auto entities = std::find(lines.begin(), lines.end(), "ENTITIES");
    ASSERT_NE(entities, lines.end());
    std::vector<std::string> types;
    for (const Item& it : items(std::vector<std::string>(entities + 1, lines.end()))) types.push_back(it.type());
    EXPECT_EQ(types, (std::vector<std::string>{"INSERT", "TEXT", "TEXT", "INSERT", "TEXT", "TEXT", "ENDSEC", "EOF"}));
    EXPECT_EQ(test::itemsOfType(items(lines), "LAYER").size(), 14u);
}

}  // namespace
}  // namespace mirval
