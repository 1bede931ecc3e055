// Bad inputs, each run end to end in batch mode: the run ends with its exact
// message and status 1, never with a crash, and leaves no file it had not finished.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/files.hpp"

namespace fs = std::filesystem;

namespace {

std::string orvHeader(const std::string& firstStation = "P0") {
    return "ORV\nnome\nGruta Ruim\nmun\nLugar\ndata\n01 02 2024\nequipe\nEquipe\ndecl\n  0.00\nlegenda\nlegenda\n" +
           firstStation + " 1000.00 2000.00 100.00 2.00 23\nlegenda\nlegenda\n";
}

std::string orvLine(const std::string& base, const std::string& sighted, double az = 10.0) {
    std::ostringstream line;
    line << base << " " << sighted << " " << az << " 0.0 5.00 -1 -1 -1 -1 -1 0.00 -1 0.00\n";
    return line.str();
}

// A chain P0 -> P1 -> ... of `lines` lines.
std::string chain(int lines) {
    std::string text = orvHeader();
    for (int i = 0; i < lines; ++i) text += orvLine("P" + std::to_string(i), "P" + std::to_string(i + 1));
    return text;
}

std::string speFile(const std::string& record) {
    return "Gruta Ruim\nLugar\nEquipe\n1 0.0\nS0 0.0 0.0 0.0 1.00 23\n" + record + "\n";
}

// An SPE record from its columns (see the reader): names, distance and kind,
// bearing prefix/value/suffix, vertical value and kind, ceiling value and kind, HcB.
std::string speRecord(char distanceKind, char prefix, char suffix, char verticalKind,
                      const std::string& vertical = "   750", const std::string& distance = "   1000") {
    return "S0   S1 " + distance + distanceKind + " " + prefix + "  300" + suffix + vertical + verticalKind +
           "   200M   150";
}

struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files;  // written into the run's folder
    std::string arguments;
    std::string lastConsoleLine;          // or, when it ends with "...", the start of the last message
    std::vector<std::string> notWritten;  // files the run must not leave behind
    std::function<void(const fs::path&)> prepare = nullptr;
};

class BadInput : public ::testing::TestWithParam<Case> {};

using mirval::test::readFile;

std::string lastLine(const std::string& text) {
    if (text.empty()) return "";
    const std::size_t end = text.back() == '\n' ? text.size() - 1 : text.size();
    const std::size_t start = text.rfind('\n', end - 1);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1));
}

}  // namespace

TEST_P(BadInput, EndsWithItsMessageAndStatusOne) {
    const Case& c = GetParam();
    const fs::path folder = fs::temp_directory_path() / ("mirval-bad-" + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [name, bytes] : c.files) std::ofstream(folder / name, std::ios::binary) << bytes;
    if (c.prepare) c.prepare(folder);
    // a sanitizer report must not pass for the failure status 1
    const std::string command = "cd '" + folder.string() + "' && ASAN_OPTIONS=exitcode=86 UBSAN_OPTIONS=exitcode=87 '" +
                                MIRVAL_BINARY + "' " + c.arguments + " >console.out 2>stderr.out </dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "the program did not exit normally";
    EXPECT_EQ(WEXITSTATUS(status), 1) << readFile(folder / "stderr.out");
    const std::string console = readFile(folder / "console.out");
    if (c.lastConsoleLine.ends_with("...")) {
        const std::string start = c.lastConsoleLine.substr(0, c.lastConsoleLine.size() - 3);
        EXPECT_NE(("\n" + console).find("\n" + start), std::string::npos) << console;
    } else {
        EXPECT_EQ(lastLine(console), c.lastConsoleLine);
    }
    for (const auto& file : c.notWritten) EXPECT_FALSE(fs::exists(folder / file)) << file;
    fs::remove_all(folder);
}

namespace {

const std::vector<std::string> kLaterFiles = {"g.plo", "g.coo", "g.kml", "g_3D.dxf", "g.th", "g_splays.dat"};

std::vector<Case> cases() {
    std::vector<Case> list;
    list.push_back({"TextInNumberField", {{"g.orv", orvHeader() + "P0 P1 1O.0 0.0 5.00 -1 -1 -1 -1 -1 0 -1 0\n"}},
                    "g.orv", "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 17", kLaterFiles});
    list.push_back({"HeaderCutShort", {{"g.orv", "ORV\nnome\nGruta\nmun\nLugar\ndata\n01 02 2024\n"}}, "g.orv",
                    "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 8", kLaterFiles});
    list.push_back({"CommentBeforeLastNumber",
                    {{"g.orv", orvHeader() + "P0 P1 10.0 0.0 5.00 -1 -1 -1 -1 -1 0 # -1 0\n"}}, "g.orv",
                    "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 17", kLaterFiles});
    list.push_back({"EmptyFile", {{"g.orv", ""}}, "g.orv", "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 1", kLaterFiles});
    std::string binary = "ORV\n";
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919 + 13) % 256);
    list.push_back({"BinaryFile", {{"g.orv", binary}}, "g.orv", "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA ...",
                    kLaterFiles});
    list.push_back({"OneEnormousLine", {{"g.orv", std::string(10 * 1024 * 1024, 'x')}}, "g.orv",
                    "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 2", kLaterFiles});
    std::string lines = orvHeader();
    for (int i = 0; i < 10001; ++i) lines += orvLine("P0", "P1");
    list.push_back({"TenThousandAndOneLines", {{"g.orv", lines}}, "g.orv",
                    "NUMERO DE LINHAS EXCEDE O LIMITE DE 10000.", kLaterFiles});
    std::string stations = orvHeader();
    for (int i = 0; i < 5000; ++i) {  // 10001 stations: pairs of new stations
        stations += orvLine("A" + std::to_string(i), "B" + std::to_string(i));
    }
    stations += orvLine("C", "D");
    list.push_back({"TenThousandAndOneStations", {{"g.orv", stations}}, "g.orv",
                    "NUMERO DE ESTACOES EXCEDE O LIMITE DE 10000.", kLaterFiles});
    std::string closures = orvHeader() + orvLine("P0", "P1");
    for (int i = 0; i < 5001; ++i) closures += orvLine("P0", "P1");
    list.push_back({"MoreClosuresThanRows", {{"g.orv", closures}}, "g.orv",
                    "NUMERO DE LINHAS EXCEDE O LIMITE DE 10000.", kLaterFiles});
    std::string collision = chain(5000) + orvLine("P5000", "P0");  // 5001 named stations, then a loop
    list.push_back({"ClosureOnNamedStation", {{"g.orv", collision}}, "g.orv",
                    "FECHAMENTO 5001 : ESTACAO 5001 JA USADA PELO LEVANTAMENTO. LIMITE DE 5000 ESTACOES.",
                    kLaterFiles});
    list.push_back({"SpeDistanceLetter", {{"g.spe", speFile(speRecord('X', 'N', 'E', 'M'))}}, "g.spe",
                    "DISTANCIA MAL EXPLICITADA EM S0-S1. CORRIJA. LINHA    1", kLaterFiles});
    list.push_back({"SpeVerticalLetter", {{"g.spe", speFile(speRecord('H', 'N', 'E', 'Q'))}}, "g.spe",
                    "DESNIVEL MAL EXPLICITADA EM S0 - S1. CORRIJA.", kLaterFiles});
    list.push_back({"SpeSuffixLetter", {{"g.spe", speFile(speRecord('h', 'n', 'X', 'g'))}}, "g.spe",
                    "RUMO OU AZIMUTE MAL EXPLICITADA EM S0 - S1. CORRIJA .", kLaterFiles});
    list.push_back({"SpePrefixLetter", {{"g.spe", speFile(speRecord('i', 'Z', 'w', 'm'))}}, "g.spe",
                    "RUMO OU AZIMUTE MAL EXPLICITADA EM S0 - S1. CORRIJA .", kLaterFiles});
    list.push_back({"SpeHeightAboveDistance", {{"g.spe", speFile(speRecord('I', 'N', 'E', 'M', "  1500"))}}, "g.spe",
                    "DESNIVEL MAIOR QUE A DISTANCIA EM S0 - S1. CORRIJA.", kLaterFiles});
    list.push_back({"ProfileCutShort",
                    {{"g.orv", chain(3)}, {"p.prr", "PRR\n2\n3\n"}},
                    "g.orv --profile p.prr", "ERRO DE LEITURA NO ARQUIVO p.prr, LINHA 4", {"p.dxf"}});
    list.push_back({"OutputCannotBeWritten", {{"g.orv", chain(3)}}, "g.orv",
                    "PROBLEMA DE ABERTURA NO ARQUIVO g_3D.dxf...", {"g_2D.dxf", "g.th"},
                    [](const fs::path& folder) { fs::create_directories(folder / "g_3D.dxf"); }});
    return list;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Catalogue, BadInput, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

TEST(BadInput, NamesLongerThan32BytesAreCutNotRejected) {
    const fs::path folder = fs::temp_directory_path() / "mirval-long-names";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string longName(40, 'L');
    std::ofstream(folder / "g.orv") << orvHeader() + orvLine("P0", longName) + orvLine(longName, "P2");
    const std::string command = "cd '" + folder.string() + "' && '" + MIRVAL_BINARY + "' g.orv >console.out 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
    const std::string coordinates = readFile(folder / "g.coo");
    EXPECT_NE(coordinates.find(std::string(32, 'L')), std::string::npos);
    EXPECT_EQ(coordinates.find(std::string(33, 'L')), std::string::npos);
    fs::remove_all(folder);
}
