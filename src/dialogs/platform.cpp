// Running a dialog with its button actions; the chooser's rule for files.
#include "dialogs/platform.hpp"

#include "system/file_system.hpp"

namespace mirval {

bool isChoosableFile(const std::string& path) { return isRegularFile(path); }

std::string notChoosableMessage(const std::string& path) { return "mirval: arquivo não encontrado: " + path; }

int runDialog(Platform& p, const Dialog& dialog) {
    for (;;) {
        const int pressed = p.present(dialog);
        if (pressed < 0 || pressed >= static_cast<int>(dialog.buttons.size())) return -1;
        const auto& action = dialog.buttons[static_cast<std::size_t>(pressed)].action;
        if (!action || action() == 0) return pressed;
    }
}

}  // namespace mirval
