// Fuzz target: the spreadsheet reader with its shot preparation and copies.
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = mirval::fuzz::writeInput(data, size, ".orv");
    mirval::fuzz::runReader(path, "orv");
    return 0;
}
