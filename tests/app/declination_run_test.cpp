// The declination worked out from the survey's date and place, run end to end:
// the run turns the azimuths exactly as the same survey with the value the
// listings print typed into its header.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include "support/files.hpp"
#include "support/run_program.hpp"

namespace fs = std::filesystem;

namespace {

using mirval::test::readFile;
using mirval::test::splitLines;

std::string exemplo() { return readFile(fs::path(MIRVAL_SOURCE_DIR) / "tests/golden/exemplo/input/exemplo.orv"); }

// Runs `survey` as g.orv with `options` in a folder of its own; returns the folder.
fs::path run(const std::string& name, const std::string& survey, const std::string& options) {
    const fs::path folder = mirval::test::scratchFolder() / name;
    fs::create_directories(folder);
    mirval::test::writeFile(folder / "g.orv", survey);
    EXPECT_EQ(mirval::test::runProgram(folder, "g.orv " + options), 0) << name;
    return folder;
}

std::string lineStartingWith(const std::string& text, const std::string& start) {
    for (const std::string& line : splitLines(text)) {
        if (line.rfind(start, 0) == 0) return line;
    }
    return "";
}

// X, Y and Z of every station of a coordinate listing, in its order.
std::vector<double> coordinates(const std::string& listing) {
    std::vector<double> values;
    bool inTable = false;
    for (const std::string& line : splitLines(listing)) {
        if (line.rfind(" No. ESTA", 0) == 0) inTable = true;
        std::istringstream row(line);
        int number = 0;
        std::string name;
        double x = 0, y = 0, z = 0;
        if (inTable && row >> number >> name >> x >> y >> z) values.insert(values.end(), {x, y, z});
    }
    return values;
}

double largestDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double largest = 0;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) largest = std::max(largest, std::fabs(a[k] - b[k]));
    return largest;
}

TEST(AutomaticDeclination, TurnsTheSurveyAsTheTypedValueWould) {
    const fs::path automatic = run("automatic", exemplo(), "--declination auto");
    const std::string listing = readFile(automatic / "g.coo");
    // the value used, and under it how it was worked out
    const std::string declinationLine = lineStartingWith(listing, "DECLINACAO =");
    ASSERT_EQ(declinationLine, "DECLINACAO = -22.47 GRAUS");
    EXPECT_NE(listing.find(declinationLine + "\nDECLINACAO CALCULADA (IGRF-14) PARA 14/03/2021 EM 20.685 S 43.921 W: "
                                             "-22.86 GRAUS; CONVERGENCIA MERIDIANA: -0.38 GRAUS\nESCALA = 1:1\n"),
              std::string::npos);
    const std::string typed = declinationLine.substr(12, 7);  // F7.2, as the header takes it

    std::string survey = exemplo();
    survey.replace(survey.find("\n -21.50\n") + 1, 7, typed);
    const fs::path byHand = run("typed", survey, "");
    const fs::path header = run("header", exemplo(), "");

    const std::vector<double> computed = coordinates(listing);
    ASSERT_GT(computed.size(), 100u);
    EXPECT_EQ(computed.size(), coordinates(readFile(byHand / "g.coo")).size());
    // the typed value is rounded to hundredths of a degree: millimetres over the cave
    EXPECT_LT(largestDifference(computed, coordinates(readFile(byHand / "g.coo"))), 0.03);
    EXPECT_GT(largestDifference(computed, coordinates(readFile(header / "g.coo"))), 1.0);
    // Compass turns the readings by the value the file carries: the same files
    for (const char* file : {"g_lrud.dat", "g_splays.dat"}) {
        EXPECT_EQ(readFile(automatic / file), readFile(byHand / file)) << file;
    }
    // the normalized copies keep the header as it was read
    EXPECT_EQ(readFile(automatic / "g_orv.vrk"), readFile(header / "g_orv.vrk"));
}

}  // namespace
