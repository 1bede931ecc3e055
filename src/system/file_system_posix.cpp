// POSIX file names are bytes: a UTF-8 path is used as it is (and so is a
// Latin-1 one from an older tool).
#include "system/file_system.hpp"

#include <cstdlib>

namespace mirval {

std::filesystem::path pathFromUtf8(const std::string& utf8Path) { return utf8Path; }

std::string utf8FromPath(const std::filesystem::path& path) { return path.string(); }

std::FILE* openFile(const std::string& utf8Path, const char* mode) { return std::fopen(utf8Path.c_str(), mode); }

// POSIX file systems tell letter case apart (one that does not, vfat, is caught
// by isSameFile's question whether two names are one file).
bool sameNameIgnoringCase(const std::string&, const std::string&) { return false; }

std::string userConfigurationFolder() {
    // a relative $XDG_CONFIG_HOME is to be ignored
    const char* configuration = std::getenv("XDG_CONFIG_HOME");
    if (configuration != nullptr && configuration[0] == '/') return configuration;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config";
    return {};
}

}  // namespace mirval
