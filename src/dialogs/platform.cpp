// Running a dialog with its button actions.
#include "dialogs/platform.hpp"

namespace mirval {

int runDialog(Platform& p, const Dialog& dialog) {
    for (;;) {
        const int pressed = p.present(dialog);
        if (pressed < 0 || pressed >= static_cast<int>(dialog.buttons.size())) return -1;
        const auto& action = dialog.buttons[static_cast<std::size_t>(pressed)].action;
        if (!action || action() == 0) return pressed;
    }
}

}  // namespace mirval
