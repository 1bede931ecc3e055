#pragma once
// What the program needs from its process at start-up, the same on every system.
#include <string>
#include <vector>

namespace mirval {

// The command line's arguments (the program's name first), as UTF-8 text.
std::vector<std::string> programArguments(int argc, char** argv);

// Standard output and error carry the bytes the program writes ("\n" line
// ends, UTF-8 text), and a console window shows them as UTF-8. Standard input,
// output and error that were closed when the program started are opened on the
// null device, so that no file the run creates takes their place. A standard
// output whose reader has gone (a closed pipe) makes writes fail, as a full
// disk does, instead of ending the process.
void prepareStandardStreams();

}  // namespace mirval
