#include "profile/drawing.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "core/stop.hpp"
#include "profile/profile.hpp"
#include "profile_test_support.hpp"

namespace mirval {
namespace {

using test::Item;
using test::items;
using test::itemsOfType;
using test::padded;
using test::writtenLines;

constexpr double H = kSymbolSize;

std::string trimmed(const std::string& s) { return s.substr(0, s.find_last_not_of(' ') + 1); }

std::string layerOf(const Item& item) { return item.type() + " " + trimmed(item.value("  8")); }

std::string position(const Item& item) { return item.value(" 10") + "|" + item.value(" 20") + "|" + item.value(" 30"); }

TEST(ProfileStation, StationWithCeilingGetsItsVerticalAndLabels) {
    const auto all = items(writtenLines([](OutputFile& out) { CADPDXP(Name("E7"), 10.0, 812.3, 3.0, 815.3, out, H); }));
    ASSERT_EQ(all.size(), 6u);
    const std::vector<std::pair<std::string, std::string>> insert{
        {"  0", "INSERT"},         {"  5", "111"},           {"  8", "MVP_All_Tri_Estacao"}, {"  2", "Estacao"},
        {" 10", "     10.000000"}, {" 20", "    812.300000"}, {" 30", "      0.000000"}};
    EXPECT_EQ(all[0].pairs, insert);

    EXPECT_EQ(layerOf(all[1]), "TEXT MVP_Top_Nome_Estacao");
    EXPECT_EQ(position(all[1]), "      10.30|     812.30|       0.00");
    EXPECT_EQ(all[1].value("  1"), padded("E7", 50));
    EXPECT_EQ(all[1].value(" 71") + all[1].value("230") + all[1].value(" 40"), "  0  1   0.60");

    EXPECT_EQ(layerOf(all[2]), "TEXT MVP_Top_Cota_Estacao");
    EXPECT_EQ(position(all[2]), "       8.80|     811.40|       0.00");
    EXPECT_EQ(all[2].value("  1"), padded(" 812.30", 50));

    EXPECT_EQ(layerOf(all[3]), "LINE MVP_All_Vertical_Teto");
    EXPECT_EQ(position(all[3]) + "|" + all[3].value(" 11") + "|" + all[3].value(" 21") + "|" + all[3].value(" 31"),
              "     10.00|    812.30|      0.00|     10.00|    815.30|      0.00");

    EXPECT_EQ(layerOf(all[4]), "TEXT MVP_Top_Altura_Teto");
    EXPECT_EQ(position(all[4]), "       8.50|     816.20|       0.00");
    EXPECT_EQ(all[4].value("  1"), padded("   3.00", 50));

    EXPECT_EQ(layerOf(all[5]), "TEXT MVP_Top_Cota_Teto");
    EXPECT_EQ(position(all[5]), "       8.80|     817.10|       0.00");
    EXPECT_EQ(all[5].value("  1"), padded(" 815.30", 50));
}

TEST(ProfileStation, KindFollowsTheCeilingHeight) {
    const auto external = items(writtenLines([](OutputFile& out) {
        CADPDXP(Name("EXT0"), 0.0, 845.5, kNoCeilingHeight, kNoCeilingElevation, out, H);
    }));
    ASSERT_EQ(external.size(), 3u);
    EXPECT_EQ(external[0].value("  8") + " " + external[0].value("  2"), "MVP_All_Tri_Externa Externa");
    EXPECT_EQ(layerOf(external[1]), "TEXT MVP_Top_Nome_Externa");
    EXPECT_EQ(layerOf(external[2]), "TEXT MVP_Top_Cota_Estacao");

    // ceiling height 0 with a known ceiling: radiation point, nothing drawn up
    const auto radiation = items(writtenLines([](OutputFile& out) {
        CADPDXP(Name("R1"), 5.0, 20.0, 0.0, 20.0, out, H);
    }));
    ASSERT_EQ(radiation.size(), 3u);
    EXPECT_EQ(radiation[0].value("  8") + " " + radiation[0].value("  2"), "MVP_All_Tri_Radiacao Radiacao");
    EXPECT_EQ(layerOf(radiation[1]), "TEXT MVP_Top_Nome_Radiacao");
}

TEST(ProfileSegment, LayerFromBothCeilingsAndTheToHeight) {
    const auto survey = items(writtenLines([](OutputFile& out) { CADLDXP(0, 10, 5, 11, 2.0, 13.0, 12.0, out); }));
    ASSERT_EQ(survey.size(), 2u);
    EXPECT_EQ(layerOf(survey[0]), "LINE MVP_All_Linha_de_Trena");
    EXPECT_EQ(layerOf(survey[1]), "LINE MVP_All_Linha_Teto");
    EXPECT_EQ(survey[1].value(" 20") + survey[1].value(" 21"), "     12.00     13.00");

    const auto radiation = items(writtenLines([](OutputFile& out) { CADLDXP(0, 10, 5, 11, 0.0, 11.0, 12.0, out); }));
    ASSERT_EQ(radiation.size(), 2u);
    EXPECT_EQ(layerOf(radiation[0]), "LINE MVP_All_Linha_Radiacao");
    EXPECT_EQ(layerOf(radiation[1]), "LINE MVP_All_Linha_Teto");

    for (const auto& [ztTo, ztFrom] : {std::pair{kNoCeilingElevation, 12.0}, std::pair{13.0, kNoCeilingElevation}}) {
        const auto external =
            items(writtenLines([&](OutputFile& out) { CADLDXP(0, 10, 5, 11, 2.0, ztTo, ztFrom, out); }));
        ASSERT_EQ(external.size(), 1u);
        EXPECT_EQ(layerOf(external[0]), "LINE MVP_All_Linha_Externa");
    }
}

TEST(ProfileDrawing, HeadStationsSegmentsAndEnd) {
    auto chain = std::make_unique<ProfileChain>();
    auto values = std::make_unique<ProfileValues>();
    chain->nameCount = 2;
    chain->name[1].assign("A1");
    chain->name[2].assign("A2");
    values->distance[2] = 5.0;
    values->floorElevation[1] = 10.0;
    values->floorElevation[2] = 9.0;
    values->ceilingHeight[1] = values->ceilingHeight[2] = kNoCeilingHeight;
    values->ceilingElevation[1] = values->ceilingElevation[2] = kNoCeilingElevation;
    const auto path = test::scratchFolder() / "perfil_sem_segmentos.dxf";

    // no segments: head, the station entities and the end only
    WRTDXP(LongText(path.string()), H, H, *values, *chain);
    const auto lines = test::splitLines(test::readFile(path));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"  0", "ENDSEC", "  0", "EOF"}));
    const auto all = items(lines);
    const auto layers = itemsOfType(all, "LAYER");
    ASSERT_EQ(layers.size(), 14u);
    EXPECT_EQ(layers[6].value("  2"), padded("MVP_Top_Cota_Estacao", 40));
    EXPECT_EQ(layers[6].value(" 62"), "110");
    EXPECT_EQ(layers[13].value("  2"), padded("MVP_All_Tri_Radiacao", 40));
    const auto blocks = itemsOfType(all, "BLOCK");
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].value("  2") + blocks[1].value("  2") + blocks[2].value("  2"), "EstacaoExternaRadiacao");
    EXPECT_EQ(itemsOfType(all, "INSERT").size(), 2u);
    EXPECT_EQ(itemsOfType(all, "LINE").size(), 9u);  // the edges of the three blocks only

    chain->segmentCount = 1;
    chain->from[1] = 1;
    chain->to[1] = 2;
    WRTDXP(LongText(path.string()), H, H, *values, *chain);
    const auto lines2 = test::splitLines(test::readFile(path));
    const auto all2 = items(lines2);
    const auto floor = itemsOfType(all2, "LINE").back();
    EXPECT_EQ(layerOf(floor), "LINE MVP_All_Linha_Externa");
    EXPECT_EQ(position(floor) + "|" + floor.value(" 11") + "|" + floor.value(" 21"),
              "      0.00|     10.00|      0.00|      5.00|      9.00");
}

TEST(ProfileDrawing, NameAndOpenFailure) {
    EXPECT_EQ(profileDrawingName(LongText("C:\\Dados\\perfil.prr")).trimmed(), "C:\\Dados\\perfil.dxf");
    EXPECT_EQ(profileDrawingName(LongText("C:\\Dados.old\\perfil.prr")).trimmed(), "C:\\Dados.old\\perfil.dxf");
    EXPECT_EQ(profileDrawingName(LongText("/dados/perfil.v2.prr")).trimmed(), "/dados/perfil.dxf");
    EXPECT_EQ(profileDrawingName(LongText("/dados/Perfil Norte")).trimmed(), "/dados/Perfil Norte.dxf");

    ScriptedPlatform platform;
    setPlatform(&platform);
    auto chain = std::make_unique<ProfileChain>();
    auto values = std::make_unique<ProfileValues>();
    const LongText name("/nonexistent/folder/perfil.dxf");
    EXPECT_THROW(WRTDXP(name, H, H, *values, *chain), RunStop);
    EXPECT_EQ(platform.log.text(),
              "\nPROBLEMA DE ABERTURA NO ARQUIVO " + name.str() +
                  "\nVERIFIQUE SE NÃO ESTÁ ABERTO EM                      ALGUM OUTRO PROGRAMA\n\n");
    setPlatform(nullptr);
}

}  // namespace
}  // namespace mirval
