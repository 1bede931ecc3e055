// Start-up: picks the platform from the command line and runs the program.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/desktop_windows.hpp"
#include "app/driver.hpp"
#include "dialogs/text_platforms.hpp"
#include "store/stop.hpp"
#include "system/process.hpp"

namespace {

constexpr const char* kUsage =
    "uso: mirval [--gui | --terminal] [LEVANTAMENTO [--profile PERFIL]... [--closures]\n"
    "            [--adjust [--float LINHA[,LINHA...]]]\n"
    "            [--sd-distance M] [--sd-azimuth GRAUS] [--sd-inclination GRAUS]\n"
    "            [--declination auto] [--grid-convergence]]\n"
    "\n"
    "Calcula as coordenadas de um levantamento de gruta e escreve as listagens,\n"
    "as cópias normalizadas, os desenhos DXF, o arquivo KML, os arquivos THERION\n"
    "e COMPASS e, a pedido, o perfil longitudinal em DXF.\n"
    "\n"
    "  sem LEVANTAMENTO   janelas (ou o terminal) pedem o arquivo\n"
    "  LEVANTAMENTO       modo batch: processa o arquivo sem perguntas\n"
    "  --profile PERFIL   processa também este arquivo de perfil (repetível)\n"
    "  --closures         escreve também NOME.fch, os fechamentos dos laços\n"
    "  --adjust           ajusta a rede por mínimos quadrados: as listagens, os\n"
    "                     desenhos, o KML e os perfis levam as coordenadas\n"
    "                     ajustadas; escreve também NOME.aju, o relatório do ajuste\n"
    "  --float LINHA[,LINHA...]\n"
    "                     linhas sem peso no ajuste (números das listagens)\n"
    "  --sd-distance M, --sd-azimuth GRAUS, --sd-inclination GRAUS\n"
    "                     desvios padrão das leituras para --closures e --adjust:\n"
    "                     0.001 a 10 m e 0.01 a 45 graus (0.05 m, 0.5 e 0.5 graus)\n"
    "  --declination auto a declinação magnética do modelo IGRF-14 (datas de 1900 a\n"
    "                     2030, erro de uns 0.2 grau onde o campo horizontal é de\n"
    "                     20000 nT) pela data do cabeçalho na base inicial, no lugar\n"
    "                     da declinação do cabeçalho, e a convergência meridiana\n"
    "  --grid-convergence gira os azimutes também pela convergência meridiana da\n"
    "                     zona UTM na base inicial\n"
    "  --gui              força as janelas\n"
    "  --terminal         força o terminal\n"
    "  --help, --version\n";

enum class Mode { Automatic, Gui, Terminal };

// The Windows program without a console (mirval.exe) has nowhere to show a
// batch run: a survey given to it (a file dropped on it, "Open with") opens
// the windows, the chooser answered by that survey.
#ifdef MIRVAL_WITHOUT_CONSOLE
constexpr Mode kDefaultMode = Mode::Gui;
#else
constexpr Mode kDefaultMode = Mode::Automatic;
#endif

struct Options {
    Mode mode = kDefaultMode;
    std::vector<std::string> files;  // the survey, then the profile files
    bool hasSurvey = false;
    bool closures = false;
    bool adjust = false;
    std::vector<int> floatedLines;
    bool deviationsGiven = false;
    mirval::InstrumentErrors deviations;
    mirval::DeclinationOptions declination;
    std::string refusal;  // why a value of the command line is refused, told before the usage
};

// A standard-deviation option: the value it sets and the values it accepts.
struct DeviationOption {
    double* value;
    double least, most;
    const char* range;
};

std::optional<DeviationOption> deviationOption(const std::string& arg, Options& options) {
    if (arg == "--sd-distance") return DeviationOption{&options.deviations.distance, 0.001, 10, "de 0.001 a 10 metros"};
    if (arg == "--sd-azimuth") return DeviationOption{&options.deviations.azimuth, 0.01, 45, "de 0.01 a 45 graus"};
    if (arg == "--sd-inclination") {
        return DeviationOption{&options.deviations.inclination, 0.01, 45, "de 0.01 a 45 graus"};
    }
    return std::nullopt;
}

// A standard deviation: a plain decimal number within the option's range, blanks around it aside.
bool readDeviation(std::string_view text, const DeviationOption& option) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    if (text.find_first_not_of("0123456789.") != std::string_view::npos) return false;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (read.ec != std::errc() || read.ptr != end || value < option.least || value > option.most) return false;
    *option.value = value;
    return true;
}

// Line numbers separated by commas ("12,40"), added to `lines` sorted and once each.
bool readLineNumbers(const std::string& text, std::vector<int>& lines) {
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string number = text.substr(start, end - start);
        if (number.empty() || number.size() > 5 || number.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        const int line = std::stoi(number);
        if (line < 1 || line > mirval::kCapacity) return false;
        lines.push_back(line);
        start = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return true;
}

bool parse(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--gui") {
            options.mode = Mode::Gui;
        } else if (arg == "--terminal") {
            options.mode = Mode::Terminal;
        } else if (arg == "--profile") {
            if (i + 1 >= args.size() || !options.hasSurvey) return false;
            options.files.push_back(args[++i]);
        } else if (arg == "--closures") {
            options.closures = true;
        } else if (arg == "--adjust") {
            options.adjust = true;
        } else if (arg == "--float") {
            if (i + 1 >= args.size()) return false;
            if (!readLineNumbers(args[++i], options.floatedLines)) {
                options.refusal = "mirval: --float espera números de linha do levantamento separados por vírgula: " +
                                  args[i];
                return false;
            }
        } else if (arg == "--declination") {
            if (i + 1 >= args.size() || args[++i] != "auto") return false;
            options.declination.automatic = true;
        } else if (arg == "--grid-convergence") {
            options.declination.gridConvergence = true;
        } else if (const std::optional<DeviationOption> deviation = deviationOption(arg, options)) {
            if (i + 1 >= args.size()) return false;
            if (!readDeviation(args[++i], *deviation)) {
                options.refusal = "mirval: " + arg + " aceita um número " + deviation->range + ": " + args[i];
                return false;
            }
            options.deviationsGiven = true;
        } else if (!arg.empty() && arg[0] != '-' && !options.hasSurvey) {
            options.files.insert(options.files.begin(), arg);
            options.hasSurvey = true;
        } else {
            return false;
        }
    }
    return (options.closures || options.adjust || !options.deviationsGiven) &&
           (options.adjust || options.floatedLines.empty());
}

// The chooser's rule, applied before anything is created: every file named
// must be an existing regular file.
bool allFilesExist(const std::vector<std::string>& files) {
    for (const auto& file : files) {
        if (!mirval::isChoosableFile(file)) {
            std::cerr << mirval::notChoosableMessage(file) << "\n";
            return false;
        }
    }
    return true;
}

std::unique_ptr<mirval::Platform> choosePlatform(const Options& options) {
    const bool wantWindows = options.mode == Mode::Gui || (options.mode == Mode::Automatic && !options.hasSurvey);
    if (wantWindows) {
        // with a survey on the command line the chooser answers with it
        if (const mirval::DesktopWindows* windows = mirval::desktopWindows()) {
            if (auto desktop = windows->makePlatform(options.files)) return desktop;
        }
        if (options.mode == Mode::Gui) std::cerr << "mirval: janelas indisponíveis; usando o terminal\n";
    }
    if (options.hasSurvey) return std::make_unique<mirval::BatchPlatform>(options.files, std::cerr);
    return std::make_unique<mirval::TerminalPlatform>(std::cin, std::cerr);
}

// One run; a stop's message goes to the console log, and the desktop offers
// the views of a complete run.
int run(mirval::Platform& platform, const Options& options) {
    mirval::RunOptions runOptions;
    if (options.closures) runOptions.closureReport = options.deviations;
    if (options.adjust) runOptions.adjustment = mirval::AdjustmentRequest{options.deviations, options.floatedLines};
    runOptions.declination = options.declination;
    if (options.hasSurvey) runOptions.profileFiles.assign(options.files.begin() + 1, options.files.end());
    mirval::Driver driver(platform, runOptions);
    int status = 0;
    try {
        driver.MIRVAL();
    } catch (const mirval::RunStop& stop) {
        for (const std::string& line : stop.messages) platform.console().line(line);
        status = stop.status;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::cerr << "mirval: erro interno: " << e.what() << "\n";
        status = 1;
    }
    // A console log that could not be written whole is a lost byte too.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::cerr << "mirval: o log do console não pôde ser escrito na saída padrão\n";
        status = 1;
    }
    const bool offerViews = status == 0 && platform.offersViews();
    platform.finished(status, offerViews ? driver.finishedViews() : std::vector<mirval::RunView>{});
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    mirval::prepareStandardStreams();
    const std::vector<std::string> args = mirval::programArguments(argc, argv);
    Options options;
    if (args.size() == 2 && args[1] == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 2 && args[1] == "--version") {
        std::cout << "MIRVAL 1.0\n";
        return 0;
    }
    if (!parse(args, options)) {
        if (!options.refusal.empty()) std::cerr << options.refusal << "\n";
        std::cerr << kUsage;
        return 2;
    }
    if (!allFilesExist(options.files)) return 1;
    auto platform = choosePlatform(options);
    return run(*platform, options);
}
