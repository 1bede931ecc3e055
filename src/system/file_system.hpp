#pragma once
// Every path the program handles is UTF-8 text, whatever the system: the
// command line, the file chooser and the console log all speak UTF-8. These
// functions are the one place where such a path meets the file system (on
// Windows, whose file functions take UTF-16, the path is converted).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace mirval {

std::filesystem::path pathFromUtf8(const std::string& utf8Path);
std::string utf8FromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 path (`mode` as fopen's, e.g. "rb", "wb").
std::FILE* openFile(const std::string& utf8Path, const char* mode);

// False as well when the path cannot be examined. A regular file, or a link to
// one, is what a survey or profile file must be (a folder, a device or a pipe is none).
bool isRegularFile(const std::string& utf8Path);
bool isDirectory(const std::string& utf8Path);
bool pathExists(const std::string& utf8Path);
// The name itself is a symbolic link (whether or not its target exists).
bool isLink(const std::string& utf8Path);
// An existing file this process may write (on Windows: one not marked read-only).
bool isWritableFile(const std::string& utf8Path);
// The folder part of a name ("." for a name without one).
std::string folderOf(const std::string& utf8Path);

// The current folder; "." when it cannot be told.
std::string currentFolder();

// The folder of the user's configuration files: $XDG_CONFIG_HOME, or
// ~/.config (%APPDATA% on Windows); empty when the system names none.
std::string userConfigurationFolder();

// A name as the system finds its file: absolute, every link followed to its
// end (a link whose target does not exist yet included), without "." and ".."
// parts or repeated separators; with the identity of the file when it exists.
struct ResolvedName {
    std::string path;
    std::optional<std::pair<std::uint64_t, std::uint64_t>> identity;  // device and file number
};
// Nothing when a link loops or cannot be read.
std::optional<ResolvedName> resolveName(const std::string& utf8Path);

// Whether two resolved names are one file: the same name (letter case aside
// where the system ignores it), or two names of one existing file.
bool isSameFile(const ResolvedName& a, const ResolvedName& b);

}  // namespace mirval
