// The reader fuzz targets' shared set-up.
#include "fuzz/fuzz_support.hpp"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "readers/readers.hpp"
#include "store/stop.hpp"
#include "store/store.hpp"
#include "writers/copies/normalized_copy.hpp"

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

void runReader(const std::string& path, const char* fileType) {
    static const auto store = std::make_unique<Store>();
    Store& s = *store;
    initialiseStore(s);
    OutputFile listing;
    listing.openInMemory();
    LineCollector console;
    RunLog log{console, listing};
    try {
        const std::string_view type = fileType;
        if (type == "spe") {
            LERSPE(s, path, log);
        } else {
            LERTXT(s, path, type, log);
        }
        for (const std::string_view tag : copyTagsOf(s.facts.format)) {
            OutputFile copy;
            copy.openInMemory();
            WRTMVR(s, tag, copy);
        }
    } catch (const RunStop&) {
    }
}

}  // namespace mirval::fuzz
