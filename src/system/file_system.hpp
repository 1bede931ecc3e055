#pragma once
// Every path the program handles is UTF-8 text, whatever the system: the
// command line, the file chooser and the console log all speak UTF-8. These
// functions are the one place where such a path meets the file system (on
// Windows, whose file functions take UTF-16, the path is converted).
#include <cstdio>
#include <filesystem>
#include <string>

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

// The current folder; "." when it cannot be told.
std::string currentFolder();

// The folder of the user's configuration files: $XDG_CONFIG_HOME, or
// ~/.config (%APPDATA% on Windows); empty when the system names none.
std::string userConfigurationFolder();

// Removes the file, when it can; a file that stays is no error here.
void removeFile(const std::string& utf8Path);

// Whether the two names are one file: the same name (letter case aside where
// the system ignores it), or two names of one existing file.
bool isSameFile(const std::string& a, const std::string& b);

}  // namespace mirval
