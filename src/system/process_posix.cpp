// The process's start-up on POSIX systems: arguments and streams are bytes already.
#include "system/process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace mirval {

std::vector<std::string> programArguments(int argc, char** argv) { return {argv, argv + argc}; }

void prepareStandardStreams() {
    ::signal(SIGPIPE, SIG_IGN);
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1) continue;
        // open() returns the lowest free descriptor: this one
        if (::open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY) != descriptor) return;
    }
}

}  // namespace mirval
