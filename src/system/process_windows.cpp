// The C runtime hands main() the command line in the ANSI code page and opens
// stdout in text mode ("\n" written as "\r\n"); the program wants neither.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "system/process.hpp"
#include "system/wide_text.hpp"

namespace mirval {

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

void prepareStandardStreams() {
    // a program started without a console (a double-click) has no stdout at all
    for (std::FILE* stream : {stdout, stderr}) {
        if (_fileno(stream) >= 0) _setmode(_fileno(stream), _O_BINARY);
    }
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

}  // namespace mirval
