// The windows of a run, with their texts exactly as the program has always shown them.
#include "app/run_windows.hpp"

#include <utility>

#include "system/user_settings.hpp"

namespace mirval {

namespace {

constexpr const char* kAuthorCredit = "Versão C++ do MIRVAL";

// The start window's check boxes, each with the key that remembers it.
struct ChoiceBox {
    const char* label;
    char mnemonic;
    const char* key;
    bool StartChoices::*choice;
};
constexpr ChoiceBox kChoiceBoxes[] = {
    {"Ajustar a rede (mínimos quadrados)", 'A', "ajustar-rede", &StartChoices::adjustNetwork},
    {"Declinação automática (IGRF-14)", 'D', "declinacao-automatica", &StartChoices::automaticDeclination},
};

// A dialog whose "select file" button runs the chooser and whose "Exit" button
// leaves; returns the chosen file.
std::optional<std::string> askForFile(Platform& platform, Dialog dialog, int buttonGap) {
    std::optional<std::string> chosen;
    dialog.caption = "Programa MIRVAL";
    dialog.buttons = {{"select file", 's', true,
                       [&] {
                           chosen = SELECT_FILE(platform);
                           return 0;
                       }},
                      {"Exit", 'E', false, nullptr}};
    dialog.buttonGap = buttonGap;
    runDialog(platform, dialog);
    return chosen;
}

}  // namespace

std::optional<std::string> FILTER(Platform& platform, StartChoices* choices) {
    Dialog start;
    if (choices != nullptr) {
        for (const ChoiceBox& box : kChoiceBoxes) {
            start.checkBoxes.push_back({box.label, box.mnemonic, &(choices->*box.choice)});
        }
    }
    // "bottões" and the blanks inside the lines are the window's own text.
    start.lines = {"Este programa calcula as coordenadas topográficas   de levantamento de grutas",
                   "e permite a saída na forma de arquivos texto,       arquivos DXF (CAD), ",
                   "KML (GOOGLE EARTH), THERION e COMPASS. ",
                   "",
                   "Use os bottões para escolher seu arquivo.",
                   "",
                   "",
                   kAuthorCredit};
    return askForFile(platform, std::move(start), 5);
}

StartChoices rememberedStartChoices() {
    const UserSettings settings;
    StartChoices choices;
    for (const ChoiceBox& box : kChoiceBoxes) choices.*box.choice = settings.flag(box.key);
    return choices;
}

void rememberStartChoices(const StartChoices& choices) {
    UserSettings settings;
    for (const ChoiceBox& box : kChoiceBoxes) settings.setFlag(box.key, choices.*box.choice);
    settings.save();
}

std::optional<std::string> SELECT_FILE(Platform& platform) {
    FileChooser chooser;
    chooser.title = "select_file File";
    chooser.folder = "c:\\";
    chooser.proposedName = "Modelo Varnisk.txt";
    chooser.mustExist = true;
    chooser.filters = {{"Planilha Exportada", "*.txt"}, {"Formato Varnisk", "*.vrk"},
                       {"Formato ORV", "*.orv"},        {"Formato EEF", "*.eef"},
                       {"Arquivo SPE antigo", "*.SPE"}, {"Todos Arquivos", "*.*"}};
    return platform.choose(chooser);
}

void showResultWindow(Platform& platform, const std::string& inputFile, const FileType& type,
                      const OutputNames& names) {
    // "DE DE" and "GOOLE" are the window's own labels.
    const std::pair<const char*, std::string_view> items[] = {
        {"ARQUIVO DE DADOS: ", inputFile},
        {"TIPO DE ARQUIVO ESCOLHIDO: ", type.full()},
        {"ARQUIVO DE RESULTADOS: ", names.result},
        {"ARQUIVO DE PLOTAGEM: ", names.plot},
        {"ARQUIVO DE COORDENADAS: ", names.coordinates},
        {"ARQUIVO DE DE CAD3D (DXF): ", names.drawing3d},
        {"ARQUIVO DE DE CAD2D (DXF): ", names.drawing2d},
        {"ARQUIVO DE GOOLE EARTH (KML): ", names.kml},
        {"ARQUIVO DE THERION (TH): ", names.therion},
        {"ARQUIVO DE COMPASS_LRUD (DAT): ", names.lrud},
        {"ARQUIVO DE COMPASS_SPLAYS(DAT): ", names.splays},
    };
    Dialog result;
    result.caption = "Result";
    for (const auto& [label, value] : items) {
        result.lines.push_back(std::string(label) + "\"" + std::string(trim(value)) + "\"");
        result.lines.emplace_back();
    }
    result.buttons = {{"OK", 0, true, nullptr}};
    runDialog(platform, result);
}

std::optional<std::string> FILTRAPERF(Platform& platform) {
    Dialog prompt;
    prompt.lines = {"O MIRVAL processou a gruta com sucesso!!",
                    "  , ",
                    "Deseja processar um arquivo de perfil?. ",
                    "",
                    "Escolha um arquivo ou Exit, para sair.",
                    "",
                    "",
                    kAuthorCredit,
                    ""};
    return askForFile(platform, std::move(prompt), 4);
}

}  // namespace mirval
