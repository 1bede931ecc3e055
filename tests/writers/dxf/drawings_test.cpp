// The 3D drawing and the 2D plan: stations, lines, ceilings, walls.
#include <gtest/gtest.h>

#include <memory>

#include "store/store.hpp"
#include "writers/dxf/drawings.hpp"
#include "writers/dxf/dxf_items.hpp"

namespace mirval {
namespace {

using test::Item;
using test::items;
using test::padded;
using test::itemsOfType;
using test::writtenLines;

constexpr double H = kSymbolSize;

std::string trimmed(const std::string& s) { return s.substr(0, s.find_last_not_of(' ') + 1); }

std::vector<std::string> layersOf(const std::vector<Item>& all) {
    std::vector<std::string> layers;
    for (const Item& it : all) layers.push_back(it.type() + " " + trimmed(it.value("  8")));
    return layers;
}

TEST(Drawing3dStation, ExternalAndRadiationStationsHaveNoCeiling) {
    const auto external = items(writtenLines([](OutputFile& out) {
        CADPDXF(Name("EXT0"), 612345.67, 7712345.67, 845.5, -1, -1, out, H);
    }));
    const std::vector<std::string> expected{"POINT MV3_All_Ponto_Externo",   "INSERT MV3_All_Tri_Externa",
                                            "TEXT MV3_Top_Nome_Externa",     "TEXT MV3_Left_Nome_Externa",
                                            "TEXT MV3_Front_Nome_Externa",   "TEXT MV3_Top_Cota_Estacao",
                                            "TEXT MV3_Left_Cota_Estacao",    "TEXT MV3_Front_Cota_Estacao"};
    EXPECT_EQ(layersOf(external), expected);
    const Item& insert = external[1];
    const std::vector<std::pair<std::string, std::string>> insertPairs{
        {"  0", "INSERT"}, {"  5", "111"},           {"  8", "MV3_All_Tri_Externa"}, {"  2", "Externa"},
        {" 10", " 612345.670000"}, {" 20", "7712345.670000"}, {" 30", "    845.500000"}};
    EXPECT_EQ(insert.pairs, insertPairs);
    EXPECT_EQ(external[2].value("  1"), padded("EXT0", 50));
    EXPECT_EQ(external[5].value("  1"), padded(" 845.50", 50));
    // Left elevation label: plane X at (X - 2H, Y + 1.5H, Z - 1.5H).
    EXPECT_EQ(external[6].value(" 10") + external[6].value(" 20") + external[6].value(" 30"),
              " 7712346.57     844.60  612344.47");

    const auto radiation = items(writtenLines([](OutputFile& out) {
        CADPDXF(Name("R1"), 10, 20, 30, 0.0, 32.0, out, H);
    }));
    ASSERT_EQ(radiation.size(), 8u);
    EXPECT_EQ(layersOf(radiation)[0], "POINT MV3_All_Ponto_Radiacao");
    EXPECT_EQ(radiation[1].value("  2"), "Radiacao");
    EXPECT_EQ(layersOf(radiation)[4], "TEXT MV3_Front_Nome_Radiacao");

    // A survey station whose ceiling elevation is 0.0 draws no ceiling either.
    const auto noCeiling = items(writtenLines([](OutputFile& out) {
        CADPDXF(Name("E1"), 10, 20, 30, 2.5, 0.0, out, H);
    }));
    ASSERT_EQ(noCeiling.size(), 8u);
    EXPECT_EQ(noCeiling[1].value("  2"), "Estacao");
}

TEST(Drawing3dStation, StationWithCeilingHasTwelveLabels) {
    const auto all = items(writtenLines([](OutputFile& out) {
        CADPDXF(Name("E7"), 100.0, 200.0, 812.8, 2.5, 815.3, out, H);
    }));
    ASSERT_EQ(all.size(), 16u);
    const std::vector<std::string> ceilingItems{"LINE MV3_All_Vertical_Teto",   "POINT MV3_All_Ponto_Teto",
                                                "TEXT MV3_Top_Altura_Teto",     "TEXT MV3_Top_Cota_Teto",
                                                "TEXT MV3_Left_Altura_Teto",    "TEXT MV3_Left_Cota_Teto",
                                                "TEXT MV3_Front_Altura_Teto",   "TEXT MV3_Front_Cota_Teto"};
    const auto layers = layersOf(all);
    EXPECT_EQ(std::vector<std::string>(layers.begin() + 8, layers.end()), ceilingItems);
    EXPECT_EQ(itemsOfType(all, "TEXT").size(), 12u);
    EXPECT_EQ(all[8].value(" 30") + all[8].value(" 31"), "    812.80    815.30");
    for (int k : {10, 12, 14}) EXPECT_EQ(all[k].value("  1"), padded("   2.50", 50));
    for (int k : {11, 13, 15}) EXPECT_EQ(all[k].value("  1"), padded(" 815.30", 50));
    // Top ceiling height at (X - 2.5H, Y + 1.5H, ZTETO); front one at (X - 0.5H, Y + 1.5H, ZTETO - 1.5H).
    EXPECT_EQ(all[10].value(" 10") + all[10].value(" 20") + all[10].value(" 30"), "      98.50     200.90     815.30");
    EXPECT_EQ(all[14].value(" 10") + all[14].value(" 20") + all[14].value(" 30"), "     -99.70     814.40     200.90");
    EXPECT_EQ(all[14].value(" 71"), "  2");
}

TEST(Drawing2dStation, EverythingLiesOnZeroElevation) {
    const auto all = items(writtenLines([](OutputFile& out) {
        CADPDX2(Name("E1"), 612345.67, 7712345.67, 845.5, 2.5, 0.0, out, H);
    }));
    const std::vector<std::string> expected{"POINT MV2_All_Ponto_Estacao", "INSERT MV2_All_Tri_Estacao",
                                            "TEXT MV2_Top_Nome_Estacao", "TEXT MV2_Top_Cota_Estacao"};
    EXPECT_EQ(layersOf(all), expected);
    EXPECT_EQ(all[0].value(" 30"), "      0.00");
    EXPECT_EQ(all[1].value(" 30"), "      0.000000");
    EXPECT_EQ(all[3].value("  1"), padded(" 845.50", 50));
    EXPECT_EQ(all[3].value(" 30"), "       0.00");

    const auto ceiling = items(writtenLines([](OutputFile& out) {
        CADPDX2(Name("E2"), 100.0, 200.0, 812.8, 2.5, 815.3, out, H);
    }));
    ASSERT_EQ(ceiling.size(), 6u);  // two ceiling labels, no vertical, no ceiling point
    EXPECT_EQ(layersOf(ceiling)[4], "TEXT MV2_Top_Altura_Teto");
    EXPECT_EQ(ceiling[5].value("  1"), padded(" 815.30", 50));
    EXPECT_EQ(ceiling[5].value(" 10") + ceiling[5].value(" 20") + ceiling[5].value(" 30"),
              "      98.80     201.80       0.00");
}

TEST(DrawingLines, LayerRulesDifferBetween3dAnd2d) {
    const Point3 b{0, 0, 10}, v{5, 5, 12};
    auto layer3d = [&](double htv, double htb) {
        return trimmed(items(writtenLines([&](OutputFile& o) { CADLDXF(b, v, htv, -1, -1, htb, o); }))[0].value("  8"));
    };
    auto layer2d = [&](double htv) {
        return trimmed(items(writtenLines([&](OutputFile& o) { CADLDX2(b, v, htv, o); }))[0].value("  8"));
    };
    EXPECT_EQ(layer3d(2.0, -1), "MV3_All_Linha_Externa");  // external base
    EXPECT_EQ(layer2d(2.0), "MV2_All_Linha_de_Trena");     // the plan asks only the sighted station
    EXPECT_EQ(layer3d(-1, 2.0), "MV3_All_Linha_Externa");
    EXPECT_EQ(layer2d(-1), "MV2_All_Linha_Externa");
    EXPECT_EQ(layer3d(0.0, 2.0), "MV3_All_Linha_Radiacao");
    EXPECT_EQ(layer2d(0.0), "MV2_All_Linha_Radiacao");
    EXPECT_EQ(layer3d(kPresent, 0.0), "MV3_All_Linha_de_Trena");  // 0.001 in single precision
    EXPECT_EQ(layer3d(0.001, 0.0), "MV3_All_Linha_Radiacao");     // just below it

    const auto withCeiling = items(writtenLines([&](OutputFile& o) { CADLDXF(b, v, 2.0, 14.0, 12.5, 2.5, o); }));
    ASSERT_EQ(withCeiling.size(), 2u);
    EXPECT_EQ(trimmed(withCeiling[1].value("  8")), "MV3_All_Linha_Teto");
    EXPECT_EQ(withCeiling[1].value(" 30") + withCeiling[1].value(" 31"), "     12.50     14.00");
    EXPECT_EQ(items(writtenLines([&](OutputFile& o) { CADLDXF(b, v, 2.0, 14.0, 0.0, 2.5, o); })).size(), 1u);
}

TEST(DrawingLines, WallReadingsSkipAbsentOnes) {
    const Point3 b{0, 0, 10}, v{5, 5, 12};
    const LineWalls walls{{{-1, {-1, -1, -1}}, {0.0, {0, 0, 10}}, {1.5, {6, 4, 12}}, {-0.0011, {9, 9, 9}}}};
    const auto all = items(writtenLines([&](OutputFile& o) { LEITDXF(b, v, walls, o); }));
    const std::vector<std::string> expected{"LINE MV3_Top_Leitura_Esquerda_Base", "POINT MV3_Top_Ponto_Leituras",
                                            "LINE MV3_Top_Leitura_Direita_Visada", "POINT MV3_Top_Ponto_Leituras"};
    EXPECT_EQ(layersOf(all), expected);
    EXPECT_EQ(all[2].value(" 10") + all[2].value(" 31"), "      5.00     12.00");  // from the sighted station

    const auto plan = items(writtenLines([&](OutputFile& o) { LEITDX2({0, 0, 0}, {5, 5, 0}, walls, o); }));
    EXPECT_EQ(layersOf(plan)[2], "LINE MV2_Top_Leitura_Direita_Visada");
}

// A whole run of both writers on a small store.
class DrawingWriters : public ::testing::Test {
protected:
    void SetUp() override {
        s = std::make_unique<Store>();
        initialiseStore(*s);
        auto& st = s->stations;
        station(1, "E0", 1, 100, 200, 50, 2.0, 52.0);
        station(2, "E1", 1, 110, 200, 48, 1.0, 49.0);
        station(3, "E2", 0, 0, 0, 0, -1, -1);  // never computed
        st.name[3] = Name("E2");
        auto& sh = s->shots;
        sh.base[1] = 1, sh.sighted[1] = 2, sh.ldb[1] = 1.0, sh.ldbPoint.x[1] = 100, sh.ldbPoint.y[1] = 201;
        sh.ldbPoint.z[1] = 50;
        sh.base[2] = 2, sh.sighted[2] = 3, sh.lev[2] = 0.5;  // its wall point was never placed
        s->lineCount = 2;
    }

    void station(int i, const char* name, int known, double x, double y, double z, double ht, double zteto) {
        auto& st = s->stations;
        st.name[i] = Name(name), st.known[i] = known, st.x[i] = x, st.y[i] = y, st.z[i] = z;
        st.ht[i] = ht, st.zteto[i] = zteto;
    }

    std::vector<Item> write(bool threeD, bool withWalls, int lineCount) {
        s->facts.hasWallReadings = withWalls;
        s->lineCount = lineCount;
        lines = writtenLines([&](OutputFile& out) { threeD ? WRTDX3(*s, out) : WRTDX2(*s, out); });
        return items(lines);
    }

    std::unique_ptr<Store> s;
    std::vector<std::string> lines;
};

TEST_F(DrawingWriters, DrawsLinesWhateverTheKnownFlags) {
    const auto all = write(true, true, 2);
    EXPECT_EQ(itemsOfType(all, "INSERT").size(), 2u);  // only computed stations
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"  0", "ENDSEC", "  0", "EOF"}));
    // Entities after the head: lines 1-2 (with ceiling line), LDB; line 2-3 and its LEV to (-1, -1, -1).
    std::vector<std::string> lineLayers;
    std::size_t first = 0;
    while (all[first].value("  2") != "ENTITIES") ++first;
    for (std::size_t k = first + 1; k < all.size(); ++k) {
        if (all[k].type() == "LINE" && all[k].value("  8").rfind("MV3_All_Vertical", 0) != 0) {
            lineLayers.push_back(trimmed(all[k].value("  8")));
        }
    }
    const std::vector<std::string> expected{"MV3_All_Linha_de_Trena", "MV3_All_Linha_Teto",
                                            "MV3_Top_Leitura_Direita_Base", "MV3_All_Linha_Externa",
                                            "MV3_Top_Leitura_Esquerda_Visada"};
    EXPECT_EQ(lineLayers, expected);
    EXPECT_EQ(all.back().type(), "EOF");
    const Item lev = itemsOfType(all, "LINE").back();
    EXPECT_EQ(lev.value(" 10") + lev.value(" 11") + lev.value(" 31"), "      0.00     -1.00     -1.00");
}

TEST_F(DrawingWriters, SurveysWithoutWallReadingsAndEmptySurveys) {
    const auto spe3d = write(true, false, 2);
    EXPECT_EQ(itemsOfType(spe3d, "LINE").size(), 18u + 2 + 3);  // block edges, verticals, survey lines + ceiling
    const auto spe2d = write(false, false, 2);
    EXPECT_EQ(itemsOfType(spe2d, "LINE").size(), 9u + 2);
    EXPECT_EQ(itemsOfType(write(false, true, 2), "LINE").size(), 9u + 2 + 2);

    const auto empty = write(true, true, 0);
    EXPECT_EQ(itemsOfType(empty, "LINE").size(), 18u + 2);  // head and the two stations' verticals
    EXPECT_EQ(itemsOfType(empty, "INSERT").size(), 2u);
}

}  // namespace
}  // namespace mirval
