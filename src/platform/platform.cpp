#include "platform/platform.hpp"

#include <stdexcept>

namespace mirval {

namespace {
Platform* current = nullptr;
}

int runDialog(Platform& p, const Dialog& dialog) {
    for (;;) {
        const int pressed = p.present(dialog);
        if (pressed < 0 || pressed >= static_cast<int>(dialog.buttons.size())) return -1;
        const auto& action = dialog.buttons[static_cast<std::size_t>(pressed)].action;
        if (!action || action() == 0) return pressed;
    }
}

Platform& platform() {
    if (current == nullptr) throw std::logic_error("no platform set");
    return *current;
}

void setPlatform(Platform* p) { current = p; }

}  // namespace mirval
