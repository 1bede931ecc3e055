// POSIX file names are bytes: a UTF-8 path is used as it is (and so is a
// Latin-1 one from an older tool).
#include <sys/stat.h>
#include <unistd.h>

#include "system/file_system.hpp"

#include <cstdlib>

namespace mirval {

std::filesystem::path pathFromUtf8(const std::string& utf8Path) { return utf8Path; }

std::string utf8FromPath(const std::filesystem::path& path) { return path.string(); }

std::FILE* openFile(const std::string& utf8Path, const char* mode) { return std::fopen(utf8Path.c_str(), mode); }

bool isWritableFile(const std::string& utf8Path) { return ::access(utf8Path.c_str(), W_OK) == 0; }

// POSIX file systems tell letter case apart (one that does not, vfat, is caught
// by the identity of the file).
bool sameNameIgnoringCase(const std::string&, const std::string&) { return false; }

std::string userConfigurationFolder() {
    // a relative $XDG_CONFIG_HOME is to be ignored
    const char* configuration = std::getenv("XDG_CONFIG_HOME");
    if (configuration != nullptr && configuration[0] == '/') return configuration;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config";
    return {};
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> identityOf(const std::string& utf8Path) {
    struct stat status {};
    if (::stat(utf8Path.c_str(), &status) != 0) return std::nullopt;
    return std::pair<std::uint64_t, std::uint64_t>(status.st_dev, status.st_ino);
}

}  // namespace mirval
