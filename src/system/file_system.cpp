// Files by their UTF-8 names, the same on every system.
#include "system/file_system.hpp"

#include <system_error>

namespace mirval {

// Whether the system takes the two names for one, letter case aside (Windows);
// defined with the system's own functions.
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

bool isRegularFile(const std::string& utf8Path) {
    std::error_code error;
    return std::filesystem::is_regular_file(pathFromUtf8(utf8Path), error);
}

bool isDirectory(const std::string& utf8Path) {
    std::error_code error;
    return std::filesystem::is_directory(pathFromUtf8(utf8Path), error);
}

bool pathExists(const std::string& utf8Path) {
    std::error_code error;
    return std::filesystem::exists(pathFromUtf8(utf8Path), error);
}

void removeFile(const std::string& utf8Path) {
    std::error_code ignored;
    std::filesystem::remove(pathFromUtf8(utf8Path), ignored);
}

bool isSameFile(const std::string& a, const std::string& b) {
    if (a == b || sameNameIgnoringCase(a, b)) return true;
    std::error_code error;
    return std::filesystem::equivalent(pathFromUtf8(a), pathFromUtf8(b), error) && !error;
}

std::string currentFolder() {
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    return error ? std::string(".") : utf8FromPath(current);
}

}  // namespace mirval
