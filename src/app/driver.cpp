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
#include "app/run_outputs.hpp"
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

// The survey file the user chose, what it is and what the run writes from it.
struct SurveyInput {
    std::string path;
    FileType type;
    OutputNames names;
};

namespace {

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

void readSurvey(Store& s, const SurveyInput& input, SurveyFormat format, RunLog& log) {
    if (format == SurveyFormat::LegacySpe) return LERSPE(s, input.path, log);
    LERTXT(s, input.path, input.type.full(), log);
}

using Writer = void (*)(const Store&, OutputFile&);

// The outputs of the reduced survey after the result listing, in the order the
// run has always written them, with how long each takes, roughly.
struct ReducedSurveyOutput {
    std::string OutputNames::*name;
    std::string_view openFailureLead;
    Writer writer;
    int weight;
    bool carriesReadings = false;  // the readings, not the coordinates: an adjusted run leaves them as they are
};
constexpr ReducedSurveyOutput kReducedSurveyOutputs[] = {
    {&OutputNames::plot, kListingOpenFailure, writePlotListing, 1},
    {&OutputNames::coordinates, kListingOpenFailure, writeCoordinateListing, 1},
    {&OutputNames::kml, kWriterOpenFailure, WRTKML, 12},
    {&OutputNames::drawing3d, kWriterOpenFailure, WRTDX3, 8},
    {&OutputNames::drawing2d, kWriterOpenFailure, WRTDX2, 4},
    {&OutputNames::therion, kWriterOpenFailure, WRTTHE, 4, true},
    {&OutputNames::lrud, kWriterOpenFailure, CMPLRU, 1, true},
    {&OutputNames::splays, kWriterOpenFailure, CMPSPL, 5, true},
};

// Every output the run will write, claimed before the first is created, in the
// order they are written.
void claimOutputs(RunOutputs& outputs, const SurveyInput& input, std::optional<SurveyFormat> format,
                  const RunOptions& options) {
    outputs.claim(input.names.result, kListingOpenFailure);
    for (const std::string_view tag : format ? copyTagsOf(*format) : std::vector<std::string_view>{}) {
        outputs.claim(copyNameOf(input.path, input.type, tag), kWriterOpenFailure);
    }
    for (const ReducedSurveyOutput& output : kReducedSurveyOutputs) {
        outputs.claim(input.names.*output.name, output.openFailureLead);
    }
    if (options.closureReport) outputs.claim(input.names.closureReport, kWriterOpenFailure);
    if (options.adjustment) outputs.claim(input.names.adjustmentReport, kWriterOpenFailure);
    for (const std::string& profile : options.profileFiles) {
        outputs.planProfileDrawing(profileDrawingNameOf(profile), profile);
    }
}

void writeCopies(const Store& s, const SurveyInput& input, RunOutputs& outputs) {
    std::vector<SideBySideOutput> copies;
    for (const std::string_view tag : copyTagsOf(s.facts.format)) {
        const std::string name = copyNameOf(input.path, input.type, tag);
        copies.push_back({name, &outputs.open(name), [&s, tag](OutputFile& out) { WRTMVR(s, tag, out); }, 1, nullptr});
    }
    writeSideBySide(copies, outputs);
}

// A stop's message as a window shows it: its lines without their padding.
std::string shownInAWindow(const RunStop& stop) {
    std::string shown;
    for (const std::string& line : stop.messages) {
        const std::size_t end = line.find_last_not_of(' ');
        if (end == std::string::npos) continue;
        if (!shown.empty()) shown += '\n';
        shown += line.substr(0, end + 1);
    }
    return shown;
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
    writeStartSummary(log, s, h.scale, {s.azimuthCorrection, 6, 2});
}

// The turn of every azimuth: the header's declination, or what the survey's
// date and place give; the console log and the listings say how it was worked out.
void turnAzimuths(Store& s, const DeclinationOptions& options, LineSink& console) {
    const AzimuthCorrection correction = azimuthCorrection(s.header, s.facts.format, options);
    s.azimuthCorrection = correction.degrees;
    s.azimuthNote.assign(correction.logLine);
    if (!correction.logLine.empty()) console.line(correction.logLine);
}

}  // namespace

Driver::Driver(Platform& platform, RunOptions options)
    : platform_(platform), options_(options), store_(newStore()) {}

// The start window; a windowed run shows its check boxes as the user left them.
std::optional<std::string> Driver::chooseSurvey() {
    adjustmentRequest_ = options_.adjustment;
    declination_ = options_.declination;
    if (!platform_.offersViews()) return FILTER(platform_);
    StartChoices choices = rememberedStartChoices();
    choices.adjustNetwork = choices.adjustNetwork || adjustmentRequest_.has_value();
    choices.automaticDeclination = choices.automaticDeclination || declination_.automatic;
    std::optional<std::string> chosen = FILTER(platform_, &choices);
    rememberStartChoices(choices);
    declination_.automatic = choices.automaticDeclination;
    if (!choices.adjustNetwork) {
        adjustmentRequest_.reset();
    } else if (!adjustmentRequest_) {
        adjustmentRequest_ = AdjustmentRequest{options_.closureReport.value_or(InstrumentErrors{}), {}};
    }
    return chosen;
}

void Driver::MIRVAL() {
    const std::optional<std::string> chosen = chooseSurvey();
    // "Exit" or a cancelled chooser: the run ends quietly and creates no file.
    if (!chosen) return;

    SurveyInput input{*chosen, fileTypeOf(*chosen), outputNamesOf(*chosen)};
    showResultWindow(platform_, input.path, input.type, input.names);
    if (input.type.full() == "txt") input.type = retypedTextInput(input.path);

    // every refusal comes before the first file is created
    outputs_ = std::make_unique<RunOutputs>(input.path, options_.profileFiles);
    const std::optional<SurveyFormat> format = formatOf(input.type);
    claimOutputs(*outputs_, input, format, options_);
    if (!format) failWith("FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO");
    checkDeclinationOptions(*format, declination_);
    try {
        processSurvey(input, *format);
    } catch (RunStop& stop) {
        outputs_->settleAfter(stop);
        throw;
    } catch (...) {
        outputs_->discard();
        throw;
    }
    outputs_->commit();
    writeCredits(platform_.console());
    complete_ = true;
}

// From the reader to the end of the profile step, every output staged.
void Driver::processSurvey(const SurveyInput& input, SurveyFormat format) {
    Store& s = *store_;
    LineSink& console = platform_.console();
    OutputFile& resultListing = outputs_->open(input.names.result);
    RunLog log{console, resultListing};
    readSurvey(s, input, format, log);
    turnAzimuths(s, declination_, console);
    if (adjustmentRequest_) checkFloatedLines(s, adjustmentRequest_->floatedLines);
    writeCopies(s, input, *outputs_);
    writeHeaderSummary(s, console);
    reduceSurvey(s, log);
    checkOutputRanges(s, input.path);
    summarise(s);
    analyseLoops(s, input.path);
    closureReportName_ = input.names.closureReport;
    adjustmentReportName_ = input.names.adjustmentReport;
    writeReducedSurvey(s, input.names, resultListing);
    // the profile step, until the user leaves it
    while (PERFGRU(platform_, s, input.path, *outputs_)) {
    }
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
    // the files that carry the readings keep the dead-reckoned network
    const Store& readings = reckoned_ ? *reckoned_ : s;
    std::vector<SideBySideOutput> sideBySide = {{names.result, &resultListing,
                                                 [&s](OutputFile& out) { writeResultListingBody(s, out); }, 1,
                                                 [&] { writeResultSummary(s, console); }}};
    for (const ReducedSurveyOutput& output : kReducedSurveyOutputs) {
        const std::string& name = names.*output.name;
        const Writer writer = output.writer;
        const Store& from = output.carriesReadings ? readings : s;
        sideBySide.push_back(
            {name, &outputs_->open(name), [&from, writer](OutputFile& out) { writer(from, out); }, output.weight, nullptr});
    }
    if (options_.closureReport) {
        sideBySide.push_back({closureReportName_, &outputs_->open(closureReportName_),
                              [&](OutputFile& out) { WRTFCH(s, *closures_, out); }, 2,
                              [&] { writeClosureSummary(console, *closures_); }});
    }
    if (adjustment_ && options_.adjustment) {
        sideBySide.push_back({adjustmentReportName_, &outputs_->open(adjustmentReportName_),
                              [&](OutputFile& out) { WRTAJU(s, *adjustment_, out); }, 2,
                              [&] { writeAdjustmentSummary(console, s, *adjustment_); }});
    }
    writeSideBySide(sideBySide, *outputs_);
}

std::string Driver::saveReport(const std::string& name, const std::string& text) {
    try {
        if (!outputs_->isClaimed(name)) outputs_->claim(name, kWriterOpenFailure);
        outputs_->write(name, [&](OutputFile& out) { out.write(text); });
        outputs_->commit();
        return {};
    } catch (const RunStop& stop) {
        outputs_->discard();
        return shownInAWindow(stop);
    }
}

std::vector<RunView> Driver::finishedViews() {
    const DesktopWindows* windows = desktopWindows();
    if (!complete_ || windows == nullptr) return {};
    return windows->finishedRunViews(
        {*store_, closures_, closureReportName_, adjustment_, adjustmentReportName_,
         [this](const std::string& name, const std::string& text) { return saveReport(name, text); }});
}

}  // namespace mirval
