#pragma once
// The windows of a run: the start window with its file chooser, the result
// window, and the prompt that offers the profile step.
#include <optional>
#include <string>

#include "app/output_names.hpp"
#include "dialogs/platform.hpp"

namespace mirval {

// What the start window's check boxes choose for a run; a windowed run shows
// them and remembers them between runs.
struct StartChoices {
    bool adjustNetwork = false;         // "Ajustar a rede (mínimos quadrados)"
    bool automaticDeclination = false;  // "Declinação automática (IGRF-14)"
};

// The start window; returns the survey the user chose, or nothing after "Exit"
// or a cancelled chooser. Given `choices`, it shows their check boxes.
std::optional<std::string> FILTER(Platform& platform, StartChoices* choices = nullptr);

// The choices as the user left them in the last run, and keeping them for the next.
StartChoices rememberedStartChoices();
void rememberStartChoices(const StartChoices& choices);

// The file chooser of the start window and the profile prompt ("select file").
std::optional<std::string> SELECT_FILE(Platform& platform);

// The result window: the input file, its type and the nine output names.
void showResultWindow(Platform& platform, const std::string& inputFile, const FileType& type,
                      const OutputNames& names);

// The profile prompt; returns the profile file the user chose, or nothing when
// the user leaves with "Exit" (or cancels the chooser).
std::optional<std::string> FILTRAPERF(Platform& platform);

}  // namespace mirval
