// The DXF emitters and the drawing heads.
#include <gtest/gtest.h>

#include "store/store.hpp"
#include "writers/dxf/emitters.hpp"
#include "writers/dxf/head.hpp"
#include "writers/dxf/dxf_items.hpp"

namespace mirval {
namespace {

using test::Item;
using test::items;
using test::padded;
using test::itemsOfType;
using test::writtenLines;

const std::string kBlank40(40, ' ');

TEST(DxfEmitters, LineAndPointWriteTheirFixedLines) {
    const auto line = writtenLines([](OutputFile& out) { PLDXF(1, 2, 3, 1, 2, 3, out, LayerName("L")); });
    ASSERT_EQ(line.size(), 16u);  // a zero-length line is still a whole entity
    EXPECT_EQ(line[0], "  0");
    EXPECT_EQ(line[1], "LINE");
    EXPECT_EQ(line[3], padded("L", 40));
    EXPECT_EQ(line[5], "      1.00");
    EXPECT_EQ(line[14], " 31");
    EXPECT_EQ(line[15], "      3.00");

    const auto point =
        writtenLines([](OutputFile& out) { PNTDXF(612345.678, 7712345.674, 845.5, out, LayerName("P")); });
    const std::vector<std::string> expected{"  0", "POINT", "  8", padded("P", 40), " 10", " 612345.68",
                                            " 20", "7712345.67", " 30", "    845.50"};
    EXPECT_EQ(point, expected);
}

TEST(DxfEmitters, LabelPlanesAndFlags) {
    const auto y = writtenLines([](OutputFile& out) {
        DXFTXLBL(10.0, 20.0, 30.0, out, LabelText("abc"), LayerName("T"), 'Y', 2, 0.6000000238418579);
    });
    const std::vector<std::string> expected{
        "  0", "TEXT", "  7", "STANDARD", "  8", padded("T", 40), " 71", "  2", "210", "  0", "220", "  1",
        "230", "  0", " 10", "     -10.00", " 20", "      30.00", " 30", "      20.00", " 40", "   0.60", "  1",
        padded("abc", 50)};
    EXPECT_EQ(y, expected);

    const Item x = items(writtenLines([](OutputFile& out) {
                       DXFTXLBL(10.0, 20.0, 30.0, out, LabelText(""), LayerName("T"), 'X', 4, 1);
                   })).at(0);
    EXPECT_EQ(x.value(" 71"), "  4");
    EXPECT_EQ(x.value("210") + x.value("220") + x.value("230"), "  1  0  0");
    EXPECT_EQ(x.value(" 10") + x.value(" 20") + x.value(" 30"), "      20.00      30.00      10.00");

    // An unknown plane is the horizontal one; an unknown flag is 0.
    const Item q = items(writtenLines([](OutputFile& out) {
                       DXFTXLBL(10.0, 20.0, 30.0, out, LabelText("q"), LayerName("T"), 'Q', 3, 1);
                   })).at(0);
    EXPECT_EQ(q.value(" 71"), "  0");
    EXPECT_EQ(q.value("210") + q.value("220") + q.value("230"), "  0  0  1");
    EXPECT_EQ(q.value(" 10") + q.value(" 20") + q.value(" 30"), "      10.00      20.00      30.00");
    EXPECT_EQ(q.value("  1").size(), 50u);

    // Plane Y at X = 0 never writes a negative zero.
    const Item zero = items(writtenLines([](OutputFile& out) {
                          DXFTXLBL(0.0, 1.0, 2.0, out, LabelText("z"), LayerName("T"), 'Y', 2, 1);
                      })).at(0);
    EXPECT_EQ(zero.value(" 10"), "       0.00");
}

TEST(DxfEmitters, LayerEntryAndFileEnd) {
    const auto layers = writtenLines([](OutputFile& out) {
        LAYDXF(out, LayerName("MV3_Top_Cota_Estacao"), 110);
        LAYDXF(out, LayerName("MV3_All_Linha_de_Trena"), 3);
    });
    const std::vector<std::string> first{"  0", "LAYER", "  2", padded("MV3_Top_Cota_Estacao", 40),
                                         " 70", "     0", " 62", "110", "  6", "CONTINUOUS"};
    ASSERT_EQ(layers.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(layers.begin(), layers.begin() + 10), first);
    EXPECT_EQ(layers[17], "  3");

    const std::vector<std::string> end{"  0", "ENDSEC", "  0", "EOF"};
    EXPECT_EQ(writtenLines([](OutputFile& out) { FIMDXF(out); }), end);
}

TEST(DxfHead, ThreeDimensionalHeadLayout) {
    const auto lines = writtenLines([](OutputFile& out) { CABDXF(out, kSymbolSize); });
    const std::size_t block = 16 + 10 + 6 * 16 + 2;  // head, base point, six edges, end
    ASSERT_EQ(lines.size(), 20 + 35 * 10 + 4 + 4 + 3 * block + 2 + 4);
    EXPECT_EQ(lines[5], "$DWGCODEPAGE");
    EXPECT_EQ(lines[19], "  2");  // the table's fixed maximum-entries value
    EXPECT_EQ(lines.back(), "ENTITIES");

    const auto all = items(lines);
    const auto layers = itemsOfType(all, "LAYER");
    ASSERT_EQ(layers.size(), 35u);
    EXPECT_EQ(layers[0].value("  2"), padded("MV3_All_Linha_de_Trena", 40));
    EXPECT_EQ(layers[6].value("  2").substr(0, 19), "MV3_All_Tri_Estacao");
    EXPECT_EQ(layers[8].value("  2").substr(0, 20), "MV3_All_Tri_Radiacao");
    EXPECT_EQ(layers[34].value("  2").substr(0, 22), "MV3_Top_Ponto_Leituras");
    EXPECT_EQ(layers[34].value(" 62"), "124");

    const auto blocks = itemsOfType(all, "BLOCK");
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].value("  2"), "Estacao");  // named as the INSERTs refer to it
    EXPECT_EQ(blocks[0].value("  3"), "Estacao");
    EXPECT_EQ(blocks[0].value("  8"), padded("MV3_All_Tri_Estacao", 40));
    EXPECT_EQ(blocks[0].value(" 10"), "0.0");
    EXPECT_EQ(blocks[1].value("  2"), "Externa");
    EXPECT_EQ(blocks[2].value("  2"), "Radiacao");

    // The tetrahedron for s = 0.6: P3 -> P4 is the fourth edge.
    const auto edges = itemsOfType(all, "LINE");
    ASSERT_EQ(edges.size(), 18u);
    const Item& p3p4 = edges[3];
    EXPECT_EQ(p3p4.value(" 10") + p3p4.value(" 20") + p3p4.value(" 30"), "      0.000000      0.400000     -0.200000");
    EXPECT_EQ(p3p4.value(" 11") + p3p4.value(" 21") + p3p4.value(" 31"), "      0.000000      0.000000      0.400000");
    const Item& p1p2 = edges[0];
    EXPECT_EQ(p1p2.value(" 10") + p1p2.value(" 20") + p1p2.value(" 11"), "      0.300000     -0.200000     -0.300000");
}

TEST(DxfHead, TwoDimensionalHeadLayout) {
    const auto all = items(writtenLines([](OutputFile& out) { CABDX2(out, kSymbolSize); }));
    const auto layers = itemsOfType(all, "LAYER");
    ASSERT_EQ(layers.size(), 20u);
    EXPECT_EQ(layers[16].value("  2").substr(0, 22), "MV2_Top_Ponto_Leituras");
    EXPECT_EQ(layers[17].value("  2").substr(0, 19), "MV2_All_Tri_Estacao");  // symbol layers last
    EXPECT_EQ(layers[19].value("  2").substr(0, 20), "MV2_All_Tri_Radiacao");

    // The triangle for s = 0.6: A -> B, B -> C, C -> A.
    const auto edges = itemsOfType(all, "LINE");
    ASSERT_EQ(edges.size(), 9u);
    EXPECT_EQ(edges[0].value(" 10") + edges[0].value(" 20") + edges[0].value(" 30"),
              "      0.000000      0.346410      0.000000");
    EXPECT_EQ(edges[0].value(" 11") + edges[0].value(" 21"), "      0.300000     -0.173205");
    EXPECT_EQ(edges[1].value(" 11") + edges[1].value(" 21"), "     -0.300000     -0.173205");
    EXPECT_EQ(itemsOfType(all, "BLOCK").at(1).value("  8"), padded("MV2_All_Tri_Externa", 40));
}

TEST(DxfHead, SharedHeadTakesAnyLayerTableAndBlocks) {
    const LayerEntry table[] = {{"MVP_All_Linha_de_Trena", 3}, {"MVP_All_Tri_Estacao", 3}};
    const auto lines = writtenLines([&](OutputFile& out) {
        writeDrawingHead(out, table, [](OutputFile& o) {
            BLKESTACAODX2(o, LayerName("MVP_All_Tri_Estacao"), LayerName("Estacao"), kSymbolSize);
        });
    });
    const auto all = items(lines);
    EXPECT_EQ(itemsOfType(all, "LAYER").size(), 2u);
    EXPECT_EQ(itemsOfType(all, "BLOCK").size(), 1u);
    EXPECT_EQ(lines.back(), "ENTITIES");
}

}  // namespace
}  // namespace mirval
