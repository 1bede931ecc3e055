// Fuzz target: the legacy SPE reader with its checks, conversion and copies.
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = mirval::fuzz::writeInput(data, size, ".spe");
    mirval::fuzz::runReader(path, "spe");
    return 0;
}
