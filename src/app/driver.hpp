#pragma once
// The driver: one run of the program on a platform, with the survey store it owns.
#include <memory>
#include <vector>

#include "dialogs/platform.hpp"
#include "store/store.hpp"

namespace mirval {

class Driver {
public:
    explicit Driver(Platform& platform);

    // MIRVAL, the run: start window, file chooser, result window, reader,
    // reduction, listings, writers, profile loop and credits. Returns after a
    // complete run or "Exit"; a failure ends it with a RunStop.
    void MIRVAL();

    // The views of the reduced survey the desktop offers after a complete run.
    std::vector<RunView> finishedViews() const;

private:
    Platform& platform_;
    std::unique_ptr<Store> store_;  // the run's survey store, on the heap: it is large
};

}  // namespace mirval
