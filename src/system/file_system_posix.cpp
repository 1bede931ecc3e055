// POSIX file names are bytes: a UTF-8 path is used as it is (and so is a
// Latin-1 one from an older tool).
#include "system/file_system.hpp"

namespace mirval {

std::filesystem::path pathFromUtf8(const std::string& utf8Path) { return utf8Path; }

std::string utf8FromPath(const std::filesystem::path& path) { return path.string(); }

std::FILE* openFile(const std::string& utf8Path, const char* mode) { return std::fopen(utf8Path.c_str(), mode); }

// POSIX file systems tell letter case apart (one that does not, vfat, is caught
// by isSameFile's question whether two names are one file).
bool sameNameIgnoringCase(const std::string&, const std::string&) { return false; }

}  // namespace mirval
