#pragma once
// Files by their UTF-8 names: opening them, what kind of file a name holds, and
// whether two names are one file. The one place that knows the system's file API.
#include <cstdio>
#include <string>

namespace mirval::files {

// std::fopen for a UTF-8 name.
std::FILE* open(const std::string& path, const char* mode);

bool exists(const std::string& path);

// Removes the file, when it can; a file that stays is no error here.
void remove(const std::string& path);

// A regular file, or a link to one: what a survey or profile file must be
// (a folder, a device or a pipe is none).
bool isRegularFile(const std::string& path);

// Whether the two names are one file: the same name (letter case aside where
// the system ignores it), or two names of one existing file.
bool isSameFile(const std::string& a, const std::string& b);

// Standard input, output and error that were closed when the program started
// are opened on the null device, so that no file the run creates takes their place.
void reopenClosedStandardStreams();

}  // namespace mirval::files
