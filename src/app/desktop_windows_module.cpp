// The desktop windows as a module beside the program (mirval-desktop.so in the
// program's folder, or installed in ../MIRVAL_MODULE_DIR, lib/x86_64-linux-gnu/mirval
// on Debian), loaded on first use.
#include "app/desktop_windows.hpp"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace mirval {

namespace {

const DesktopWindows* loadModule() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return nullptr;
    const std::filesystem::path folder = program.parent_path();
    for (const auto& candidate : {folder / "mirval-desktop.so", folder / ".." / MIRVAL_MODULE_DIR / "mirval-desktop.so"}) {
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) continue;
        using Entry = const DesktopWindows* (*)();
        if (const auto entry = reinterpret_cast<Entry>(::dlsym(module, "mirvalDesktopWindows"))) return entry();
    }
    return nullptr;
}

}  // namespace

const DesktopWindows* desktopWindows() {
    static const DesktopWindows* const windows = loadModule();
    return windows;
}

}  // namespace mirval
