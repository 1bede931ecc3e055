#include "core/driver.hpp"

#include <fstream>
#include <string>

#include "core/credits.hpp"
#include "core/listings.hpp"
#include "core/metric.hpp"
#include "core/output_names.hpp"
#include "core/reduction.hpp"
#include "core/stop.hpp"
#include "core/summary.hpp"
#include "dxf/drawings.hpp"
#include "exchange/exchange.hpp"
#include "geo/kml.hpp"
#include "input/readers.hpp"
#include "platform/platform.hpp"
#include "profile/profile.hpp"

namespace mirval {

namespace {

void FILTER() {
    Dialog start;
    start.caption = "Programa MIRVAL";
    start.lines = {"Este programa calcula as coordenadas topográficas   de levantamento de grutas",
                   "e permite a saída na forma de arquivos texto,       arquivos DXF (CAD), ",
                   "KML (GOOGLE EARTH), THERION e COMPASS. ",
                   "",
                   "Use os bottões para escolher seu arquivo.",
                   "",
                   "",
                   kAuthorCredit};
    start.buttons = {{"select file", 's', true, SELECT_FILE}, {"Exit", 'E', false, nullptr}};
    start.buttonGap = 5;
    runDialog(platform(), start);
}

void showResultWindow(const Store& s, const OutputNames& names) {
    const std::pair<const char*, std::string_view> items[] = {
        {"ARQUIVO DE DADOS: ", s.inputFileName.trimmed()},
        {"TIPO DE ARQUIVO ESCOLHIDO: ", s.fileType.full()},
        {"ARQUIVO DE RESULTADOS: ", names.result.trimmed()},
        {"ARQUIVO DE PLOTAGEM: ", names.plot.trimmed()},
        {"ARQUIVO DE COORDENADAS: ", names.coordinates.trimmed()},
        {"ARQUIVO DE DE CAD3D (DXF): ", names.drawing3d.trimmed()},
        {"ARQUIVO DE DE CAD2D (DXF): ", names.drawing2d.trimmed()},
        {"ARQUIVO DE GOOLE EARTH (KML): ", names.kml.trimmed()},
        {"ARQUIVO DE THERION (TH): ", names.therion.trimmed()},
        {"ARQUIVO DE COMPASS_LRUD (DAT): ", names.lrud.trimmed()},
        {"ARQUIVO DE COMPASS_SPLAYS(DAT): ", names.splays.trimmed()},
    };
    Dialog result;
    result.caption = "Result";
    for (const auto& [label, value] : items) {
        result.lines.push_back(std::string(label) + "\"" + std::string(value) + "\"");
        result.lines.emplace_back();
    }
    result.buttons = {{"OK", 0, true, nullptr}};
    runDialog(platform(), result);
}

// A ".txt" input takes its type from the first three characters of its first line.
void retypeTextInput(Store& s) {
    std::ifstream in(std::string(s.inputFileName.trimmed()), std::ios::binary);
    if (!in) stopOnListingOpenFailure(s.inputFileName);
    char head[6] = {};
    in.read(head, sizeof head);
    std::string_view first(head, static_cast<std::size_t>(in.gcount()));
    if (first.substr(0, 3) == "\xEF\xBB\xBF") first.remove_prefix(3);
    first = first.substr(0, 3);
    static constexpr std::pair<std::string_view, const char*> kTags[] = {
        {"ORV", "orv"}, {"Orv", "orv"}, {"orv", "orv"}, {"VRK", "vrk"}, {"Vrk", "vrk"},
        {"vrk", "vrk"}, {"EEF", "eef"}, {"Eef", "eef"}, {"eef", "eef"}};
    for (const auto& [written, type] : kTags) {
        if (first == written) s.fileType.assign(type);
    }
}

void readSurvey(Store& s) {
    const std::string_view type = s.fileType.full();
    if (type == "orv" || type == "vrk" || type == "eef") return LERTXT();
    if (type == "spe") return LERSPE();
    failWith("FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO");
}

void writeHeaderSummary(const Store& s) {
    LineSink& log = consoleLog();
    const SurveyHeader& h = s.header;
    log.line(h.caveName.full());
    log.line(h.municipality.full());
    log.line(h.team.full());
    log.emptyLine();
    writeStartSummary(log, s, h.scale, 6, 2);
}

void writeListings(Store& s, const OutputNames& names) {
    const SurveyStatistics stats = computeStatistics(s);
    writeResultListingBody(s, stats);
    s.resultListing.close();
    {
        OutputFile plot;
        openListingOrStop(plot, names.plot);
        writePlotListing(plot, s, stats);
    }
    OutputFile coordinates;
    openListingOrStop(coordinates, names.coordinates);
    writeCoordinateListing(coordinates, s, stats);
}

void writeOtherFiles(Store& s, const OutputNames& names) {
    SurveyHeader& h = s.header;
    const StationTable& st = s.stations;
    const ShotTable& sh = s.shots;
    WRTKML(s.fileType, names.kml, kSymbolSize, kSymbolSize, h.caveName, h.utmZone, st, s.lineCount, sh);
    WRTDX3(s.fileType, names.drawing3d, kSymbolSize, kSymbolSize, st, s.lineCount, sh);
    WRTDX2(s.fileType, names.drawing2d, kSymbolSize, kSymbolSize, st, s.lineCount, sh);
    WRTTHE(names.therion, h, st, s.inputLineCount, sh);
    CMPLRU(names.lrud, h, st, s.inputLineCount, sh);
    CMPSPL(names.splays, h, st, s.inputLineCount, sh);
}

void runProfileLoop(Store& s) {
    LongText buffer;
    do {
        PERFGRU(buffer, s.stations, kSymbolSize, kSymbolSize, s.stationCount);
    } while (!(buffer == s.inputFileName));
}

}  // namespace

void MIRVAL() {
    Store& s = store();
    initialiseStore(s);
    FILTER();
    // "Exit" or a cancelled chooser: the run ends quietly and creates no file.
    if (s.inputFileName.isBlank()) throw RunStop(0);

    const OutputNames names = outputNamesOf(s.inputFileName);
    s.fileType = fileTypeOf(s.inputFileName);
    showResultWindow(s, names);
    if (s.fileType.full() == "txt") retypeTextInput(s);
    openListingOrStop(s.resultListing, names.result);

    readSurvey(s);
    writeHeaderSummary(s);
    reduceSurvey(s);
    writeListings(s, names);
    writeOtherFiles(s, names);
    runProfileLoop(s);
    writeCredits(consoleLog());
}

}  // namespace mirval
