// The plain-write reference of the whole-run benchmark: writes a copy of each
// given file into the destination folder (same name) with one write call,
// straight from the file's pages in memory (mapped whole, no buffer to fill).
//   write_files DEST_FOLDER FILE...
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// Writes the whole range; a single call unless the kernel writes less.
bool writeWhole(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool copyFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY);
    if (in < 0) return false;
    struct stat info {};
    const bool sized = ::fstat(in, &info) == 0;
    const auto size = static_cast<std::size_t>(info.st_size);
    void* const bytes =
        sized && size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, in, 0) : nullptr;
    ::close(in);
    if (!sized || bytes == MAP_FAILED) return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written = out >= 0 && writeWhole(out, static_cast<const char*>(bytes), size);
    if (bytes != nullptr) ::munmap(bytes, size);
    return written && ::close(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_files DEST_FOLDER FILE...\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (int k = 2; k < argc; ++k) {
        const std::string from = argv[k];
        if (!copyFile(from, folder + "/" + from.substr(from.find_last_of('/') + 1))) {
            std::fprintf(stderr, "write_files: cannot copy %s\n", from.c_str());
            return 1;
        }
    }
    return 0;
}
