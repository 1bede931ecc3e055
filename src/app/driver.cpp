// MIRVAL: the run from the start window to the credits, step by step.
#include "app/driver.hpp"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "analyses/closures.hpp"
#include "analyses/metric.hpp"
#include "analyses/output_ranges.hpp"
#include "analyses/utm_zone.hpp"
#include "app/desktop_windows.hpp"
#include "app/output_names.hpp"
#include "app/output_writing.hpp"
#include "app/profile_pass.hpp"
#include "app/run_files.hpp"
#include "app/run_windows.hpp"
#include "readers/readers.hpp"
#include "readers/start_summary.hpp"
#include "reduction/adjustment.hpp"
#include "reduction/reduction.hpp"
#include "store/stop.hpp"
#include "system/file_system.hpp"
#include "text/format.hpp"
#include "writers/adjustment/adjustment_report.hpp"
#include "writers/closures/closure_report.hpp"
#include "writers/copies/normalized_copy.hpp"
#include "writers/dxf/drawings.hpp"
#include "writers/exchange/exchange.hpp"
#include "writers/kml/kml.hpp"
#include "writers/listings/credits.hpp"
#include "writers/listings/listings.hpp"

namespace mirval {

namespace {

// The survey file the user chose, what it is and what the run writes from it.
struct SurveyInput {
    std::string path;
    FileType type;
    OutputNames names;
};

// A ".txt" input takes its type from the first three characters of its first line.
FileType retypedTextInput(const std::string& path) {
    std::FILE* in = openFile(path, "rb");
    if (in == nullptr) stopOnOpenFailure(kListingOpenFailure, path);
    char head[6] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, in);
    std::fclose(in);
    std::string_view first(head, got);
    if (first.substr(0, 3) == "\xEF\xBB\xBF") first.remove_prefix(3);
    first = first.substr(0, 3);
    static constexpr std::pair<std::string_view, const char*> kTags[] = {
        {"ORV", "orv"}, {"Orv", "orv"}, {"orv", "orv"}, {"VRK", "vrk"}, {"Vrk", "vrk"},
        {"vrk", "vrk"}, {"EEF", "eef"}, {"Eef", "eef"}, {"eef", "eef"}};
    for (const auto& [written, type] : kTags) {
        if (first == written) return FileType(type);
    }
    return FileType("txt");
}

// The format a reader takes for the input's type; nothing for a type no reader takes.
std::optional<SurveyFormat> formatOf(const FileType& type) {
    const std::string_view t = type.full();
    if (t == "orv" || t == "vrk" || t == "eef") return SurveyFormat::Spreadsheet;
    if (t == "spe") return SurveyFormat::LegacySpe;
    return std::nullopt;
}

// The reader of the input's type; any other type stops the run.
void readSurvey(Store& s, const SurveyInput& input, RunLog& log) {
    const std::optional<SurveyFormat> format = formatOf(input.type);
    if (!format) failWith("FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO");
    if (*format == SurveyFormat::LegacySpe) return LERSPE(s, input.path, log);
    LERTXT(s, input.path, input.type.full(), log);
}

// Every output the survey gives, claimed before the first is created.
void claimOutputs(RunFiles& files, const SurveyInput& input, const RunOptions& options) {
    const OutputNames& n = input.names;
    for (const std::string* name : {&n.result, &n.plot, &n.coordinates, &n.drawing3d, &n.drawing2d, &n.kml,
                                    &n.therion, &n.lrud, &n.splays}) {
        files.claim(*name);
    }
    if (const std::optional<SurveyFormat> format = formatOf(input.type)) {
        for (const std::string_view tag : copyTagsOf(*format)) files.claim(copyNameOf(input.path, input.type, tag));
    }
    if (options.closureReport) files.claim(n.closureReport);
    if (options.adjustment) files.claim(n.adjustmentReport);
    for (const std::string& profile : options.profileFiles) {
        files.planProfileDrawing(profileDrawingNameOf(profile), profile);
    }
}

using Writer = void (*)(const Store&, OutputFile&);

SideBySideOutput output(const Store& s, Writer writer, const std::string& name, int weight,
                        std::string_view openFailureLead = kWriterOpenFailure) {
    return {name, openFailureLead, [&s, writer](OutputFile& out) { writer(s, out); }, weight, nullptr, nullptr};
}

void writeCopies(const Store& s, const SurveyInput& input) {
    std::vector<SideBySideOutput> copies;
    for (const std::string_view tag : copyTagsOf(s.facts.format)) {
        copies.push_back({copyNameOf(input.path, input.type, tag), kWriterOpenFailure,
                          [&s, tag](OutputFile& out) { WRTMVR(s, tag, out); }, 1, nullptr, nullptr});
    }
    writeSideBySide(copies);
}

// The floated lines must be lines of the survey just read.
void checkFloatedLines(const Store& s, const std::vector<int>& floated) {
    for (const int row : floated) {
        if (row > s.lineCount) {
            failWith(fmt::Record()
                         .a("LINHA ")
                         .i0(row)
                         .a(" DE --float FORA DO LEVANTAMENTO, QUE TEM ")
                         .i0(s.lineCount)
                         .a(" LINHAS"));
        }
    }
}

// The figures the listings and exchange files take from the reduced survey.
void summarise(Store& s) {
    s.statistics = computeStatistics(s);
    // the Therion and Compass files print the zone the KML file's conversions leave
    s.exchangeZone = zoneAfterKmlConversions(s);
}

void writeHeaderSummary(const Store& s, LineSink& log) {
    const SurveyHeader& h = s.header;
    log.line(h.caveName.full());
    log.line(h.municipality.full());
    log.line(h.team.full());
    log.emptyLine();
    writeStartSummary(log, s, h.scale, 6, 2);
}



}  // namespace

Driver::Driver(Platform& platform, RunOptions options)
    : platform_(platform), options_(options), store_(newStore()) {}

// The start window; a windowed run shows its check boxes as the user left them.
std::optional<std::string> Driver::chooseSurvey() {
    adjustmentRequest_ = options_.adjustment;
    if (!platform_.offersViews()) return FILTER(platform_);
    StartChoices choices = rememberedStartChoices();
    choices.adjustNetwork = choices.adjustNetwork || adjustmentRequest_.has_value();
    std::optional<std::string> chosen = FILTER(platform_, &choices);
    rememberStartChoices(choices);
    if (!choices.adjustNetwork) {
        adjustmentRequest_.reset();
    } else if (!adjustmentRequest_) {
        adjustmentRequest_ = AdjustmentRequest{options_.closureReport.value_or(InstrumentErrors{}), {}};
    }
    return chosen;
}

void Driver::MIRVAL() {
    Store& s = *store_;
    const std::optional<std::string> chosen = chooseSurvey();
    // "Exit" or a cancelled chooser: the run ends quietly and creates no file.
    if (!chosen) return;

    SurveyInput input{*chosen, fileTypeOf(*chosen), outputNamesOf(*chosen)};
    showResultWindow(platform_, input.path, input.type, input.names);
    if (input.type.full() == "txt") input.type = retypedTextInput(input.path);

    RunFiles files(input.path);
    claimOutputs(files, input, options_);

    LineSink& console = platform_.console();
    OutputFile resultListing;
    if (!resultListing.open(input.names.result)) stopOnOpenFailure(kListingOpenFailure, input.names.result);
    RunLog log{console, resultListing};
    readSurvey(s, input, log);
    s.azimuthCorrection = s.header.declination;
    if (adjustmentRequest_) checkFloatedLines(s, adjustmentRequest_->floatedLines);
    writeCopies(s, input);
    writeHeaderSummary(s, console);
    reduceSurvey(s, log);
    checkOutputRanges(s, input.path);
    summarise(s);
    analyseLoops(s, input.path);
    closureReportName_ = input.names.closureReport;
    adjustmentReportName_ = input.names.adjustmentReport;
    writeReducedSurvey(s, input.names, resultListing);
    // the profile step, until the user leaves it
    while (PERFGRU(platform_, s, input.path, files)) {
    }
    writeCredits(console);
    complete_ = true;
}

// The loops of the reduced survey: their closures, on the dead-reckoned
// positions, when reported or viewed; then, on request, the adjusted network
// in place of the dead-reckoned one, which the files that carry the readings
// (Therion and Compass) keep.
void Driver::analyseLoops(Store& s, const std::string& surveyPath) {
    if (options_.closureReport || platform_.offersViews()) {
        const InstrumentErrors errors = adjustmentRequest_ ? adjustmentRequest_->errors : InstrumentErrors{};
        closures_ = analyseClosures(s, options_.closureReport.value_or(errors));
    }
    if (!adjustmentRequest_) return;
    reckoned_ = copyOfStore(s);
    adjustment_ = adjustNetwork(s, *adjustmentRequest_);
    checkOutputRanges(s, surveyPath);
    summarise(s);
}

// The listings, the drawings, the KML and exchange files and, on request of
// the command line, the loop-closure and adjustment reports (the desktop shows
// them and saves them when asked), in the order the run has always written
// them; the result listing is open already, with the reader's and the
// reduction's lines.
void Driver::writeReducedSurvey(const Store& s, const OutputNames& names, OutputFile& resultListing) {
    LineSink& console = platform_.console();
    const Store& readings = reckoned_ ? *reckoned_ : s;
    SideBySideOutput result = output(s, writeResultListingBody, names.result, 1, kListingOpenFailure);
    result.openAlready = &resultListing;
    result.afterCompletion = [&] { writeResultSummary(s, console); };
    std::vector<SideBySideOutput> outputs = {
        result,
        output(s, writePlotListing, names.plot, 1, kListingOpenFailure),
        output(s, writeCoordinateListing, names.coordinates, 1, kListingOpenFailure),
        output(s, WRTKML, names.kml, 12),
        output(s, WRTDX3, names.drawing3d, 8),
        output(s, WRTDX2, names.drawing2d, 4),
        output(readings, WRTTHE, names.therion, 4),
        output(readings, CMPLRU, names.lrud, 1),
        output(readings, CMPSPL, names.splays, 5),
    };
    if (options_.closureReport) {
        outputs.push_back({closureReportName_, kWriterOpenFailure, [&](OutputFile& out) { WRTFCH(s, *closures_, out); },
                           2, [&] { writeClosureSummary(console, *closures_); }, nullptr});
    }
    if (adjustment_ && options_.adjustment) {
        outputs.push_back({adjustmentReportName_, kWriterOpenFailure,
                           [&](OutputFile& out) { WRTAJU(s, *adjustment_, out); }, 2,
                           [&] { writeAdjustmentSummary(console, s, *adjustment_); }, nullptr});
    }
    writeSideBySide(outputs);
}

std::vector<RunView> Driver::finishedViews() const {
    const DesktopWindows* windows = desktopWindows();
    if (!complete_ || windows == nullptr) return {};
    return windows->finishedRunViews(
        {*store_, closures_, closureReportName_, adjustment_, adjustmentReportName_});
}

}  // namespace mirval
