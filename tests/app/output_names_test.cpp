// Output names and file types derived from the input's name.
#include "app/output_names.hpp"

#include <gtest/gtest.h>

using mirval::baseName;
using mirval::fileTypeOf;
using mirval::outputNamesOf;
using mirval::profileDrawingNameOf;

namespace {
std::string typeOf(const char* name) { return std::string(fileTypeOf(name).full()); }
}  // namespace

TEST(OutputNames, CutAtTheFirstDotOfTheFileName) {
    const auto names = outputNamesOf("D:\\Levantamentos\\Gruta do Lago.TXT");
    EXPECT_EQ(names.result, "D:\\Levantamentos\\Gruta do Lago.res");
    EXPECT_EQ(names.splays, "D:\\Levantamentos\\Gruta do Lago_splays.dat");
    EXPECT_EQ(names.drawing3d, "D:\\Levantamentos\\Gruta do Lago_3D.dxf");
    // a dot in a folder name never cuts
    EXPECT_EQ(outputNamesOf("C:\\dados.2021\\gruta.txt").result, "C:\\dados.2021\\gruta.res");
    EXPECT_EQ(outputNamesOf("/srv/a.b/gruta.tar.orv").kml, "/srv/a.b/gruta.kml");
    EXPECT_EQ(baseName("C:\\a.b\\gruta.orv"), "C:\\a.b\\gruta");
}

TEST(OutputNames, NameWithoutDotKeepsItsBlanksInside) {
    EXPECT_EQ(baseName("Gruta do Lago   "), "Gruta do Lago");
    EXPECT_EQ(outputNamesOf("/dados/gruta nova").coordinates, "/dados/gruta nova.coo");
    EXPECT_EQ(outputNamesOf("").result, ".res");
}

TEST(OutputNames, ProfileDrawing) {
    EXPECT_EQ(profileDrawingNameOf("C:\\Dados\\perfil.prr"), "C:\\Dados\\perfil.dxf");
    EXPECT_EQ(profileDrawingNameOf("C:\\Dados.old\\perfil.prr"), "C:\\Dados.old\\perfil.dxf");
    EXPECT_EQ(profileDrawingNameOf("/dados/perfil.v2.prr"), "/dados/perfil.dxf");
    EXPECT_EQ(profileDrawingNameOf("/dados/Perfil Norte"), "/dados/Perfil Norte.dxf");
}

TEST(FileType, KnownTypesLoweredInAnyCase) {
    EXPECT_EQ(typeOf("D:\\Levantamentos\\Gruta do Lago.TXT"), "txt");
    EXPECT_EQ(typeOf("C:\\gruta.SpE"), "spe");
    EXPECT_EQ(typeOf("g.eEf"), "eef");
    EXPECT_EQ(typeOf("g.ORV"), "orv");
    EXPECT_EQ(typeOf("g.Vrk"), "vrk");
    EXPECT_EQ(typeOf("g.oRv.x"), "orv");
}

TEST(FileType, OtherLettersKeepTheirCase) {
    EXPECT_EQ(typeOf("nada.dat"), "dat");
    EXPECT_EQ(typeOf("NADA.DAT"), "DAt");
    EXPECT_EQ(typeOf("nada.DAt"), "DAt");
    EXPECT_EQ(typeOf("a.b"), "b  ");
    EXPECT_EQ(typeOf("gruta"), "gru");  // no dot: characters 1 to 3
    EXPECT_EQ(typeOf(""), "   ");
    EXPECT_EQ(typeOf("C:\\dados.2021\\gruta.txt"), "txt");
}
