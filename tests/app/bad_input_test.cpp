// Bad inputs and hostile surroundings, each run end to end: the run ends with its
// exact message and status 1 (or does the sound thing with status 0), never with a
// crash, leaves no file it had not reached nor a temporary file, and never changes
// a file of the user (an earlier run's outputs stay whole when a run fails).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/files.hpp"
#include "support/run_program.hpp"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>
#endif

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

using Files = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kStandardStreams = ">console.out 2>stderr.out </dev/null";

struct Case {
    Case(std::string name_, Files files_, std::string arguments_, std::string lastConsoleLine_,
         std::vector<std::string> notWritten_ = {}, std::function<void(const std::filesystem::path&)> prepare_ = nullptr)
        : name(std::move(name_)), files(std::move(files_)), arguments(std::move(arguments_)),
          lastConsoleLine(std::move(lastConsoleLine_)), notWritten(std::move(notWritten_)), prepare(std::move(prepare_)) {}

    std::string name;
    Files files;  // written into the run's folder; kept as they are
    std::string arguments;
    std::string lastConsoleLine;          // or, when it ends with "...", the start of a message
    std::vector<std::string> notWritten;  // files the run must not leave behind
    std::function<void(const fs::path&)> prepare;
    int status = 1;
    bool posixOnly = false;                                   // a case of POSIX files, devices or limits
    std::string before;                                       // shell commands before the program (POSIX)
    std::string streams = kStandardStreams;                   // the program's streams (POSIX shell)
    std::string stderrText;                                   // a text the standard error must hold
    std::vector<std::string> written;                         // files the run must leave
    std::vector<std::pair<std::string, std::string>> golden;  // files equal to an expected file of tests/golden
    std::function<void(const fs::path&)> verify;              // checks of its own after the run
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// The survey's files with an earlier run's outputs of "g.orv" beside them (all
// but `except`): a run that fails leaves them as they are.
Files withEarlierOutputs(Files files, const std::vector<std::string>& except = {}) {
    for (const char* name : {"g.res", "g.plo", "g.coo", "g_3D.dxf", "g_2D.dxf", "g.kml", "g.th", "g_lrud.dat",
                             "g_splays.dat", "g_orv.orv"}) {
        if (std::find(except.begin(), except.end(), name) == except.end()) files.emplace_back(name, "anterior\n");
    }
    return files;
}

void makeFifo(const fs::path& path) { std::system(("mkfifo '" + path.string() + "'").c_str()); }

// Staged outputs are named ".mirval-XXXXXXXX.tmp".
int temporaryFiles(const fs::path& folder) {
    return static_cast<int>(std::count_if(fs::recursive_directory_iterator(folder), {}, [](const auto& entry) {
        return entry.path().filename().string().starts_with(".mirval-");
    }));
}

// The run's folder: the system's temporary folder, a name per case.
fs::path folderOf(const std::string& caseName) { return mirval::test::scratchFolder() / ("bad-" + caseName); }

// A fresh folder of the case holding its files.
fs::path prepareFolder(const std::string& caseName, const Files& files) {
    const fs::path folder = folderOf(caseName);
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& [name, bytes] : files) {
        fs::create_directories((folder / name).parent_path());
        mirval::test::writeFile(folder / name, bytes);
    }
    return folder;
}

// The files of the user as they were, and no temporary file beside them.
void expectFilesKept(const fs::path& folder, const Files& files) {
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(mirval::test::readFile(folder / name), bytes) << name << " was changed";
    }
    EXPECT_EQ(temporaryFiles(folder), 0);
}

std::string exemploSurvey() {
    return mirval::test::readFile(fs::path(MIRVAL_SOURCE_DIR) / "tests/golden/exemplo/input/exemplo.orv");
}

std::string profileFile() {
    std::string text = "PRR\n";
    for (int line = 2; line <= 13; ++line) text += "linha\n";
    return text + "P0 P1 D\nP1 P2 D\n";
}

class BadInput : public ::testing::TestWithParam<Case> {};

using mirval::test::readFile;

std::string lastLine(const std::string& text) {
    if (text.empty()) return "";
    const std::size_t end = text.back() == '\n' ? text.size() - 1 : text.size();
    const std::size_t start = text.rfind('\n', end - 1);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1));
}

}  // namespace

TEST_P(BadInput, EndsWithItsMessageAndStatus) {
    const Case& c = GetParam();
#ifdef _WIN32
    if (c.posixOnly || !c.before.empty() || c.streams != kStandardStreams) GTEST_SKIP() << "a POSIX case";
#endif
    const fs::path folder = prepareFolder(c.name, c.files);
    if (c.prepare) c.prepare(folder);
    const int status = c.before.empty() && c.streams == kStandardStreams
                           ? mirval::test::runProgram(folder, c.arguments)
                           : mirval::test::runProgramInShell(folder, c.before, c.arguments, c.streams);
    ASSERT_NE(status, -1) << "the program did not exit normally";
    EXPECT_EQ(status, c.status) << readFile(folder / "stderr.out");
    const std::string console = readFile(folder / "console.out");
    if (c.lastConsoleLine.ends_with("...")) {
        const std::string start = c.lastConsoleLine.substr(0, c.lastConsoleLine.size() - 3);
        EXPECT_NE(("\n" + console).find("\n" + start), std::string::npos) << console;
    } else {
        EXPECT_EQ(lastLine(console), c.lastConsoleLine);
    }
    EXPECT_NE(readFile(folder / "stderr.out").find(c.stderrText), std::string::npos) << readFile(folder / "stderr.out");
    for (const auto& file : c.notWritten) EXPECT_FALSE(fs::exists(folder / file)) << file;
    for (const auto& file : c.written) EXPECT_TRUE(fs::exists(folder / file)) << file;
    for (const auto& [file, expected] : c.golden) {
        EXPECT_EQ(readFile(folder / file), readFile(fs::path(MIRVAL_SOURCE_DIR) / "tests/golden" / expected)) << file;
    }
    expectFilesKept(folder, c.files);
    if (c.verify) c.verify(folder);
    fs::remove_all(folder);
}

namespace {

const std::vector<std::string> kLaterFiles = {"g.plo", "g.coo", "g.kml", "g_3D.dxf", "g.th", "g_splays.dat"};

const std::vector<std::string> kAllOutputs = {"g.res", "g.plo", "g.coo", "g_3D.dxf", "g_2D.dxf", "g.kml",
                                              "g.th", "g_lrud.dat", "g_splays.dat", "g_orv.orv"};

// A full disk (a file-size limit here) and outputs a file cannot replace: the
// file is named, and nothing is written, with or without an earlier run's outputs.
void addFileSystemCases(std::vector<Case>& list) {
    for (const bool earlier : {false, true}) {
        const Files survey{{"g.orv", exemploSurvey()}};
        Case limit{earlier ? "FileSizeLimitWithEarlierOutputs" : "FileSizeLimitReached",
                   earlier ? withEarlierOutputs(survey) : survey, "g.orv", "PROBLEMA DE GRAVAÇÃO NO ARQUIVO g.kml...",
                   earlier ? std::vector<std::string>{} : kAllOutputs};
        limit.before = "trap '' XFSZ; ulimit -f 64;";  // 64 KiB: the KML file is the first that does not fit
        list.push_back(limit);
    }
    Case fifo{"OutputIsAPipe", withEarlierOutputs({{"g.orv", chain(3)}}, {"g.kml"}), "g.orv",
              "PROBLEMA DE ABERTURA NO ARQUIVO g.kml...", {}, [](const fs::path& folder) { makeFifo(folder / "g.kml"); }};
    fifo.posixOnly = true;
    list.push_back(fifo);
    // a link of an output is written through; one whose target is a device is refused
    Case device{"OutputOnAFullDevice", withEarlierOutputs({{"g.orv", chain(3)}}, {"g_2D.dxf", "g.kml"}), "g.orv",
                "PROBLEMA DE ABERTURA NO ARQUIVO g_2D.dxf...", {"elsewhere/target.kml"}, [](const fs::path& folder) {
                    fs::create_symlink("/dev/full", folder / "g_2D.dxf");
                    fs::create_directories(folder / "elsewhere");
                    fs::create_symlink("elsewhere/target.kml", folder / "g.kml");
                }};
    device.posixOnly = true;
    device.verify = [](const fs::path& folder) { EXPECT_TRUE(fs::is_symlink(folder / "g.kml")); };
    list.push_back(device);

    // a complete run puts each output in the place of the earlier one, whose permissions it keeps
    Case replaced{"EarlierOutputsAreReplacedWhole", {{"g.orv", exemploSurvey()}}, "g.orv", "", {},
                  [](const fs::path& folder) {
                      for (const std::string& name : kAllOutputs) mirval::test::writeFile(folder / name, "anterior\n");
                      fs::permissions(folder / "g.th", fs::perms::owner_read | fs::perms::owner_write);
                  }};
    replaced.status = 0;
    replaced.golden = {{"g.res", "exemplo/expected/exemplo.res"}, {"g_3D.dxf", "exemplo/expected/exemplo_3D.dxf"},
                       {"g.th", "exemplo/expected/exemplo.th"}, {"g_orv.orv", "exemplo/expected/exemplo_orv.orv"}};
#ifndef _WIN32
    replaced.verify = [](const fs::path& folder) {
        EXPECT_EQ(fs::status(folder / "g.th").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    };
#endif
    list.push_back(replaced);
}

// A folder of `length` bytes inside the case's folder, made of names short
// enough for the file system.
std::string longFolder(const std::string& caseName, std::size_t length) {
    std::string path = folderOf(caseName).string();
    for (char part = 'a'; path.size() + 1 < length; ++part) {
        path += "/" + std::string(std::min<std::size_t>(200, length - path.size() - 1), part);
    }
    return path;
}

// Names that used to be cut at 256 bytes or taken for another file, and outputs
// that would replace a file the run reads or has written.
void addNameCases(std::vector<Case>& list) {
    // "<folder>/report" is 256 bytes: a cut survey name once emptied it.
    const std::string deep = longFolder("LongSurveyPathIsNeverCut", 256 - 7);
    const std::string survey = deep + "/report_archive_2021/gruta.orv";
    Case longPath{"LongSurveyPathIsNeverCut", {{deep + "/report", "um relatório\n"}, {survey, chain(2)}},
                  "'" + survey + "'", "", {}};
    longPath.status = 0;
    longPath.posixOnly = true;  // Windows names stop at 260 characters
    longPath.written = {deep + "/report_archive_2021/gruta.res", deep + "/report_archive_2021/gruta_splays.dat"};
    list.push_back(longPath);

    // past 256 bytes the exact names are read and written: the revised survey,
    // not "gruta.orv"; the profile "p.prr", not "p.p"; three distinct copies
    const std::string dir = longFolder("LongNamesKeepTheirEnds", 250);
    Case longNames{"LongNamesKeepTheirEnds",
                   {{dir + "/gruta.orv_revised", chain(2)}, {dir + "/gruta.orv", "não é um levantamento"},
                    {dir + "/p.prr", profileFile()}, {dir + "/p.p", "outro"}},
                   "'" + dir + "/gruta.orv_revised' --profile '" + dir + "/p.prr'", "", {dir + "/p.d"}};
    longNames.status = 0;
    longNames.posixOnly = true;
    longNames.written = {dir + "/gruta_2D.dxf", dir + "/gruta_orv.vrk", dir + "/gruta_orv.eef", dir + "/gruta_orv.orv",
                         dir + "/p.dxf"};
    list.push_back(longNames);

    // "g.orv " is read, not "g.orv"
    Case blank{"TrailingBlankIsPartOfTheName", {{"g.orv ", chain(2)}, {"g.orv", "não é um levantamento"}}, "'g.orv '",
               "", {}};
    blank.status = 0;
    blank.posixOnly = true;  // Windows drops a name's trailing blanks
    blank.written = {"g.res", "g_orv.orv"};
    list.push_back(blank);
    list.push_back({"ResultListingGivenAsSurvey", {{"g.res", "resultados de ontem\n"}}, "g.res",
                    "ARQUIVO DE SAÍDA IGUAL AO LEVANTAMENTO LIDO: g.res...", {"g.plo"}});
    list.push_back({"ProfileNamedLikeItsDrawing", {{"g.orv", chain(2)}, {"p.dxf", profileFile()}},
                    "g.orv --profile p.dxf", "ARQUIVO DE SAÍDA IGUAL AO PERFIL LIDO: p.dxf...", {"g.res"}});
    list.push_back({"ProfileDrawingOverAnOutput", {{"g.orv", chain(2)}, {"g_3D.prr", profileFile()}},
                    "g.orv --profile g_3D.prr", "ARQUIVO DE SAÍDA REPETIDO NESTE PROCESSAMENTO: g_3D.dxf...",
                    {"g.res", "g_3D.dxf"}});

    // names compared as the system finds their files: spellings, links and profile files
    list.push_back({"ProfileDrawingSpelledOtherwise", {{"g.orv", chain(2)}, {"g_3D.prr", profileFile()}},
                    "g.orv --profile ./g_3D.prr", "ARQUIVO DE SAÍDA REPETIDO NESTE PROCESSAMENTO: ./g_3D.dxf...",
                    {"g.res", "g_3D.dxf"}});
    list.push_back({"ProfileNamedLikeAnOutput", {{"g.orv", chain(2)}, {"g.coo", profileFile()}},
                    "g.orv --profile g.coo", "ARQUIVO DE SAÍDA IGUAL AO PERFIL LIDO: g.coo...", {"g.res"}});
    for (const bool hard : {false, true}) {
        Case linked{hard ? "OutputHardLinkedToTheProfile" : "OutputLinkedToTheProfile",
                    {{"g.orv", chain(2)}, {"p.prr", profileFile()}}, "g.orv --profile p.prr",
                    "ARQUIVO DE SAÍDA IGUAL AO PERFIL LIDO: g.kml...", {"g.res"}, [hard](const fs::path& folder) {
                        if (hard) fs::create_hard_link(folder / "p.prr", folder / "g.kml");
                        if (!hard) fs::create_symlink("p.prr", folder / "g.kml");
                    }};
        linked.posixOnly = !hard;
        list.push_back(linked);
    }
    Case dangling{"LinkMakesTwoOutputsOne", {{"g.orv", chain(2)}}, "g.orv",
                  "ARQUIVO DE SAÍDA REPETIDO NESTE PROCESSAMENTO: g.th...", {"g.res", "g.th"},
                  [](const fs::path& folder) { fs::create_symlink("g.th", folder / "g.kml"); }};
    dangling.posixOnly = true;
    list.push_back(dangling);
    list.push_back({"UnsupportedTypeBesideAGoodSurvey",
                    {{"cave.orv", chain(2)}, {"cave.res", "resultados bons\n"}, {"cave.csv", "a;b\n"}}, "cave.csv",
                    "FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO", {}});
}

// --adjust: floated lines that are no line of the survey are refused before
// the copies are written; an adjusted run writes its report and leaves the
// files that carry the readings as a plain run writes them.
void addAdjustmentCases(std::vector<Case>& list) {
    list.push_back({"FloatedLineOutsideTheSurvey", {{"g.orv", chain(3)}}, "g.orv --adjust --float 2,9",
                    "LINHA 9 DE --float FORA DO LEVANTAMENTO, QUE TEM 3 LINHAS", {"g_orv.vrk", "g.plo", "g.aju"}});
    Case notNumber{"FloatedLineThatIsNoNumber", {{"g.orv", chain(3)}}, "g.orv --adjust --float 2,x", "", {"g.res"}};
    notNumber.status = 2;
    notNumber.stderrText = "mirval: --float espera números de linha do levantamento separados por vírgula: 2,x\n";
    list.push_back(notNumber);
    Case adjusted{"AdjustedRunKeepsTheReadingsFiles", {{"g.orv", exemploSurvey()}}, "g.orv --adjust --float 3",
                  "AJUSTAMENTO: ...", {"g.fch"}};
    adjusted.status = 0;
    adjusted.written = {"g.aju"};
    for (const char* file : {".th", "_lrud.dat", "_splays.dat", "_orv.eef"}) {
        adjusted.golden.emplace_back(std::string("g") + file, std::string("exemplo/expected/exemplo") + file);
    }
    list.push_back(adjusted);
}

// The declination worked out from the date and place: a survey that cannot give
// them is refused, and the run leaves no file (the earlier ones stay whole).
void addDeclinationCases(std::vector<Case>& list) {
    const Files earlier = {{"g.res", "resultados de ontem\n"}};
    list.push_back({"AutomaticDeclinationOfAnSpeSurvey", {{"g.spe", speFile(speRecord('H', 'N', 'E', 'M'))}},
                    "g.spe --declination auto",
                    "INFORME A DECLINAÇÃO NO CABEÇALHO E PROCESSE SEM A DECLINAÇÃO AUTOMÁTICA", kAllOutputs});
    std::string noDay = chain(2);
    noDay.replace(noDay.find("01 02 2024"), 10, "30 02 2024");
    Files noDayFiles = earlier;
    noDayFiles.emplace_back("g.orv", noDay);
    list.push_back({"SurveyDateThatIsNoDay", noDayFiles, "g.orv --declination auto",
                    "CORRIJA A DATA NO CABEÇALHO: DIA, MÊS E ANO, COMO 14 08 2022", kLaterFiles});
    std::string farWest = chain(2);  // at 80 degrees north, 400 km west of the zone's central meridian
    farWest.replace(farWest.find("1000.00 2000.00"), 15, "100000.00 8900000.00");
    Files outside = earlier;
    outside.emplace_back("g.orv", farWest);
    list.push_back({"InitialStationOutsideItsZone", outside, "g.orv --grid-convergence",
                    "VERIFIQUE X, Y E A ZONA UTM NO CABEÇALHO", kLaterFiles});
}

// The standard streams: closed, full, or a terminal that offers what is no file.
void addStreamCases(std::vector<Case>& list) {
    Case closed{"StandardOutputClosed", {{"g.orv", exemploSurvey()}}, "g.orv", "", {}};
    closed.streams = ">&- 2>stderr.out </dev/null";
    closed.status = 0;
    closed.golden = {{"g.res", "exemplo/expected/exemplo.res"}};
    list.push_back(closed);

    Case full{"ConsoleLogOnAFullDevice", {{"g.orv", chain(2)}}, "g.orv", "", {}};
    full.streams = ">/dev/full 2>stderr.out </dev/null";
    full.stderrText = "mirval: o log do console não pôde ser escrito na saída padrão\n";
    list.push_back(full);

    // Enter opens the chooser; a folder, a pipe and a link to a device are
    // refused; an empty answer cancels, and the run ends quietly.
    Case terminal{"TerminalRefusesWhatIsNoFile", {{"answers.txt", "\nd.orv\nfifo.orv\nzero.orv\n\n"}}, "--terminal", "",
                  {"d.res", "fifo.res", "zero.res"}, [](const fs::path& folder) {
                      fs::create_directories(folder / "d.orv");
                      makeFifo(folder / "fifo.orv");
                      fs::create_symlink("/dev/zero", folder / "zero.orv");
                  }};
    terminal.streams = "<answers.txt >console.out 2>stderr.out";
    terminal.status = 0;
    terminal.posixOnly = true;
    terminal.stderrText = "mirval: arquivo não encontrado: d.orv\n";
    list.push_back(terminal);

    // a reader of the console log that has gone: every file written, the failure told on stderr
    Case pipe{"ConsoleLogReaderGone", {{"g.orv", exemploSurvey()}}, "g.orv", "", {}};
    pipe.before = "mkfifo gone; exec 3<>gone 4>gone 3<&-;";  // 4: a pipe nobody reads
    pipe.streams = ">&4 2>stderr.out </dev/null";
    pipe.stderrText = "mirval: o log do console não pôde ser escrito na saída padrão\n";
    pipe.written = kAllOutputs;
    pipe.golden = {{"g.res", "exemplo/expected/exemplo.res"}};
    list.push_back(pipe);
}

// Readable numbers no output could hold, and names none could.
void addValueCases(std::vector<Case>& list) {
    list.push_back({"DistanceOfAnAbsurdSize",
                    {{"g.orv", orvHeader() + "P0 P1 150.0 -12.0 1e300 -1 -1 -1 -1 -1 0 2.1 0\n" + orvLine("P1", "P2")}},
                    "g.orv", "VALOR FORA DOS LIMITES NO ARQUIVO g.orv, LINHA 17...", kLaterFiles});
    const std::string nul("P\0X", 3);
    list.push_back({"ControlByteInAStationName", {{"g.orv", chain(1) + orvLine("P1", nul)}}, "g.orv",
                    "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 18", kLaterFiles});
    list.push_back({"ControlByteInTheInitialBase", {{"g.orv", orvHeader("P\x01") + orvLine("P\x01", "P1")}}, "g.orv",
                    "ERRO DE LEITURA NO ARQUIVO g.orv, LINHA 14", kLaterFiles});
    list.push_back({"ControlByteInAnSpeStation", {{"g.spe", speFile("S0   S\x7F" + speRecord('H', 'N', 'E', 'M').substr(7))}},
                    "g.spe", "ERRO DE LEITURA NO ARQUIVO g.spe, LINHA 6", kLaterFiles});
    list.push_back({"ControlByteInAProfileStation", {{"g.orv", chain(2)}, {"p.prr", profileFile() + "P2 " + nul + " D\n"}},
                    "g.orv --profile p.prr", "ERRO DE LEITURA NO ARQUIVO p.prr, LINHA 16", {"p.dxf"}});
    for (const auto& [name, option] : {std::pair{"AbsurdDistanceDeviation", "--sd-distance 1e60"},
                                       {"HexadecimalAzimuthDeviation", "--sd-azimuth 0x10"},
                                       {"InclinationDeviationAboveItsRange", "--sd-inclination 45.5"}}) {
        Case deviation{name, {{"g.orv", chain(2)}}, "g.orv --closures " + std::string(option), "", {"g.res"}};
        deviation.status = 2;
        deviation.stderrText = "mirval: " + std::string(option).substr(0, std::string(option).find(' ')) + " aceita um";
        list.push_back(deviation);
    }
    Case blanks{"StandardDeviationAmongBlanks", {{"g.orv", chain(2)}}, "g.orv --closures --sd-distance \" 0.1 \"", "", {}};
    blanks.status = 0;
    blanks.written = {"g.fch"};
    list.push_back(blanks);
}

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
                    "LINHA LONGA DEMAIS NO ARQUIVO g.orv, LINHA 1...", kLaterFiles});
#ifndef __SANITIZE_ADDRESS__  // which reserves far more memory than the limit
    // an input of any size is read in a bounded memory: a sparse file of 1 GiB
    // whose lines end at its header, refused at its first line
    Case huge{"HugeInputUnderAMemoryLimit", {}, "g.orv", "LINHA LONGA DEMAIS NO ARQUIVO g.orv, LINHA 17...", kLaterFiles,
              [](const fs::path& folder) {
                  mirval::test::writeFile(folder / "g.orv", orvHeader());
                  fs::resize_file(folder / "g.orv", 1 << 30);
              }};
    huge.before = "ulimit -v 131072;";
    list.push_back(huge);
#endif
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
    addFileSystemCases(list);
    addNameCases(list);
    addStreamCases(list);
    addValueCases(list);
    addAdjustmentCases(list);
    addDeclinationCases(list);
    return list;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Catalogue, BadInput, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

TEST(BadInput, NamesLongerThan32BytesAreCutNotRejected) {
    const fs::path folder = mirval::test::scratchFolder() / "long-names";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string longName(40, 'L');
    std::ofstream(folder / "g.orv") << orvHeader() + orvLine("P0", longName) + orvLine(longName, "P2");
    EXPECT_EQ(mirval::test::runProgram(folder, "g.orv"), 0);
    const std::string coordinates = readFile(folder / "g.coo");
    EXPECT_NE(coordinates.find(std::string(32, 'L')), std::string::npos);
    EXPECT_EQ(coordinates.find(std::string(33, 'L')), std::string::npos);
    fs::remove_all(folder);
}

TEST(BadInput, KmlStaysWellFormedWithOldCodePagesAndControlBytes) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint is not installed";
    const fs::path folder = folderOf("KmlWellFormed");
    fs::remove_all(folder);
    fs::create_directories(folder);
    // a Latin-1 cave name holding a control byte
    std::string survey = orvHeader();
    survey.replace(survey.find("Gruta Ruim"), 10, "Gruta S\xe3o\x01 Jos\xe9");
    survey += orvLine("P0", "P1") + orvLine("P1", "P2");
    mirval::test::writeFile(folder / "g.orv", survey);
    EXPECT_EQ(mirval::test::runProgram(folder, "g.orv"), 0);
    EXPECT_EQ(std::system(("xmllint --noout '" + (folder / "g.kml").string() + "'").c_str()), 0);
    EXPECT_NE(readFile(folder / "g.kml").find("<name>\nGruta São José"), std::string::npos);
    fs::remove_all(folder);
}

#ifndef _WIN32
// Stopped by a signal at the profile prompt, every output staged: the earlier
// run's files stay whole, and the process ends by the signal (128 + n in a
// shell) once its temporary files are removed (only SIGKILL leaves them).
TEST(BadInput, SignalLeavesTheEarlierOutputsWhole) {
    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        const Files files = withEarlierOutputs({{"g.orv", exemploSurvey()}});
        const fs::path folder = prepareFolder("Signal" + std::to_string(signal), files);
        int answers[2];
        ASSERT_EQ(::pipe2(answers, O_CLOEXEC), 0);
        posix_spawn_file_actions_t streams;
        posix_spawn_file_actions_init(&streams);
        posix_spawn_file_actions_adddup2(&streams, answers[0], 0);
        posix_spawn_file_actions_addopen(&streams, 1, (folder / "console.out").c_str(), O_WRONLY | O_CREAT, 0644);
        posix_spawn_file_actions_addopen(&streams, 2, (folder / "stderr.out").c_str(), O_WRONLY | O_CREAT, 0644);
        char* arguments[] = {const_cast<char*>(MIRVAL_BINARY), const_cast<char*>("--terminal"), nullptr};
        pid_t program = 0;
        ASSERT_EQ(::posix_spawn(&program, MIRVAL_BINARY, &streams, nullptr, arguments, environ), 0);
        posix_spawn_file_actions_destroy(&streams);
        // the start window, the chooser, the result window; then the profile prompt waits
        const std::string typed = "\n" + (folder / "g.orv").string() + "\n\n";
        EXPECT_EQ(::write(answers[1], typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
        for (int tries = 0; tries < 3000 && readFile(folder / "stderr.out").find("processou") == std::string::npos; ++tries) {
            ::usleep(10000);
        }
        EXPECT_GT(temporaryFiles(folder), 0);
        ::kill(program, signal);
        int status = 0;
        ::waitpid(program, &status, 0);
        ::close(answers[0]);
        ::close(answers[1]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        for (const auto& [name, bytes] : files) EXPECT_EQ(readFile(folder / name), bytes) << name;
        if (signal != SIGKILL) {
            EXPECT_EQ(temporaryFiles(folder), 0);
        }
        fs::remove_all(folder);
    }
}

// A full disk, a small file system of its own (where the system lets a test
// mount one): nothing is left the first time, the earlier files stay whole
// the next times, and every failing run leaves the same files.
TEST(BadInput, FullDiskLeavesTheSameFilesEveryTime) {
    if (std::system("unshare -rm true >/dev/null 2>&1") != 0) GTEST_SKIP() << "no mount namespace for a small disk";
    const fs::path folder = prepareFolder("FullDisk", {{"g.orv", exemploSurvey()}});
    mirval::test::writeFile(folder / "runs.sh",
                            "mkdir disk && mount -t tmpfs -o size=256k tmpfs disk && cd disk && cp ../g.orv . || exit 1\n"
                            "for run in 1 2 3; do\n  '" MIRVAL_BINARY "' g.orv >../console.out 2>/dev/null\n"
                            "  echo $? $(LC_ALL=C ls -A) $(cat g.res g.kml 2>/dev/null) >>../runs.out\n"
                            "  echo anterior >g.res; echo anterior >g.kml\ndone\n");
    ASSERT_EQ(std::system(("cd '" + folder.string() + "' && unshare -rm sh runs.sh").c_str()), 0);
    EXPECT_EQ(readFile(folder / "runs.out"),
              "1 g.orv\n1 g.kml g.orv g.res anterior anterior\n1 g.kml g.orv g.res anterior anterior\n");
    EXPECT_NE(readFile(folder / "console.out").find("PROBLEMA DE GRAVAÇÃO NO ARQUIVO"), std::string::npos);
    fs::remove_all(folder);
}

#else
// A drawing held open by another program (a CAD program) stops the commit
// before any file is replaced: every earlier output stays whole.
TEST(BadInput, OutputHeldOpenStopsTheCommit) {
    const Files files = withEarlierOutputs({{"g.orv", exemploSurvey()}});
    const fs::path folder = prepareFolder("HeldOpen", files);
    const HANDLE held = CreateFileW((folder / "g_3D.dxf").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const int status = mirval::test::runProgram(folder, "g.orv");
    CloseHandle(held);
    EXPECT_EQ(status, 1);
    EXPECT_NE(readFile(folder / "console.out").find("PROBLEMA DE SUBSTITUIÇÃO DO ARQUIVO g_3D.dxf"), std::string::npos);
    expectFilesKept(folder, files);
    fs::remove_all(folder);
}
#endif
