// The names of temporary files, the same on every system.
#include <chrono>
#include <random>

#include "system/file_system.hpp"
#include "system/staged_file.hpp"

namespace mirval {

// A name in the folder of `finalName` that a user's file is unlikely to have;
// the file is created only when no file has it.
std::string temporaryNameBeside(const std::string& finalName) {
    static std::mt19937_64 random = [] {
        std::random_device device;
        return std::mt19937_64(device() ^ static_cast<std::uint64_t>(
                                              std::chrono::steady_clock::now().time_since_epoch().count()));
    }();
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = folderOf(finalName) + "/.mirval-";
    for (int k = 0; k < 8; ++k) name += kLetters[random() % (sizeof kLetters - 1)];
    return name + ".tmp";
}

}  // namespace mirval
