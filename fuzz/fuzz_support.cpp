#include "fuzz/fuzz_support.hpp"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/stop.hpp"
#include "core/store.hpp"
#include "platform/text_platforms.hpp"

namespace mirval::fuzz {

namespace {
std::filesystem::path scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / ("mirval-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}
}  // namespace

std::string writeInput(const std::uint8_t* data, std::size_t size, const std::string& extension) {
    const std::string path = (scratchFolder() / ("input" + extension)).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

void runReader(const std::string& path, const char* fileType, void (*read)()) {
    static ScriptedPlatform platform;
    platform.log.clear();
    setPlatform(&platform);
    Store& s = store();
    initialiseStore(s);
    s.inputFileName.assign(path);
    s.fileType.assign(fileType);
    s.resultListing.open((scratchFolder() / "input.res").string());
    try {
        read();
    } catch (const RunStop&) {
    }
    s.resultListing.close();
}

}  // namespace mirval::fuzz
