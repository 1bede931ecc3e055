// Fuzz target: the profile reader and calculator against a small reduced cave.
#include <memory>

#include "analyses/profile_calculator.hpp"
#include "fuzz/fuzz_support.hpp"
#include "readers/profile_reader.hpp"
#include "store/stop.hpp"
#include "store/store.hpp"

namespace {

void fillCave(mirval::StationTable& stations) {
    const char* names[] = {"A1", "A2", "A3", "B1"};
    for (int k = 0; k < 4; ++k) {
        stations.name[k + 1].assign(names[k]);
        stations.x[k + 1] = 100.0 * k;
        stations.y[k + 1] = 50.0 * k;
        stations.z[k + 1] = 800.0 - k;
        stations.zteto[k + 1] = k == 2 ? -1.0 : 805.0 - k;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto chain = std::make_unique<mirval::ProfileChain>();
    static auto values = std::make_unique<mirval::ProfileValues>();
    static const auto store = std::make_unique<mirval::Store>();
    mirval::Store& s = *store;
    static const bool once = (mirval::initialiseStore(s), fillCave(s.stations), true);
    (void)once;
    const std::string path = mirval::fuzz::writeInput(data, size, ".prr");
    mirval::LineCollector console;
    try {
        mirval::LERPRR(path, *chain, console);
        if (chain->segmentCount >= 0) mirval::CALCPRR(*chain, s.stations, 4, *values);
    } catch (const mirval::RunStop&) {
    }
    return 0;
}
