// Files by their UTF-8 names, on POSIX systems.
#include "text/file_system.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace mirval::files {

std::FILE* open(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

void remove(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

bool isRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool isSameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

void reopenClosedStandardStreams() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1) continue;
        // open() returns the lowest free descriptor: this one
        if (::open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY) != descriptor) return;
    }
}

}  // namespace mirval::files
