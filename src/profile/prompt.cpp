#include "profile/prompt.hpp"

#include "core/credits.hpp"
#include "core/file_chooser.hpp"
#include "platform/platform.hpp"

namespace mirval {

void FILTRAPERF() {
    Dialog prompt;
    prompt.caption = "Programa MIRVAL";
    prompt.lines = {"O MIRVAL processou a gruta com sucesso!!",
                    "  , ",
                    "Deseja processar um arquivo de perfil?. ",
                    "",
                    "Escolha um arquivo ou Exit, para sair.",
                    "",
                    "",
                    kAuthorCredit,
                    ""};
    prompt.buttons = {{"select file", 's', true, SELECT_FILE}, {"Exit", 'E', false, nullptr}};
    prompt.buttonGap = 4;
    runDialog(platform(), prompt);
}

}  // namespace mirval
