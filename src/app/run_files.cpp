// No output of a run replaces a file the run reads or has written.
#include "app/run_files.hpp"

#include "store/stop.hpp"
#include "system/file_system.hpp"

namespace mirval {

namespace {

[[noreturn]] void refuse(std::string_view lead, const std::string& output, std::string_view advice) {
    throw RunStop(1, {"", std::string(lead) + echoedFileName(output), std::string(advice), ""});
}

}  // namespace

void RunFiles::claim(const std::string& output, const std::string* profile) {
    if (isSameFile(output, survey_)) {
        refuse("ARQUIVO DE SAÍDA IGUAL AO LEVANTAMENTO LIDO: ", output,
               "RENOMEIE O ARQUIVO DO LEVANTAMENTO: O MIRVAL NÃO O SUBSTITUI");
    }
    if (profile != nullptr && isSameFile(output, *profile)) {
        refuse("ARQUIVO DE SAÍDA IGUAL AO PERFIL LIDO: ", output,
               "RENOMEIE O ARQUIVO DE PERFIL: O MIRVAL NÃO O SUBSTITUI");
    }
    for (const std::string& earlier : outputs_) {
        if (isSameFile(output, earlier)) {
            refuse("ARQUIVO DE SAÍDA REPETIDO NESTE PROCESSAMENTO: ", output,
                   "RENOMEIE O ARQUIVO DE PERFIL: O MIRVAL NÃO SUBSTITUI O QUE JÁ GRAVOU");
        }
    }
    outputs_.push_back(output);
}

void RunFiles::planProfileDrawing(const std::string& drawing, const std::string& profile) {
    claim(drawing, &profile);
    plannedDrawings_.emplace_back(drawing, profile);
}

void RunFiles::claimProfileDrawing(const std::string& drawing, const std::string& profile) {
    for (const auto& planned : plannedDrawings_) {
        if (planned.first == drawing && planned.second == profile) return;
    }
    claim(drawing, &profile);
}

}  // namespace mirval
