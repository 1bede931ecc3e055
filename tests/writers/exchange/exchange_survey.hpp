#pragma once
// A reduced survey placed directly in a store, and the file a writer makes of it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval::test {

using Writer = void (*)(const Store&, OutputFile&);

class ExchangeSurvey {
public:
    // Cave "Gruta Teste", surveyed 25/10/2021, declination -21.5, zone -23 (also
    // the exchange zone); the initial base "A1" at (500000, 7700000, 800) is station 1.
    ExchangeSurvey();

    Store& store() { return *store_; }
    SurveyHeader& header() { return store_->header; }
    StationTable& stations() { return store_->stations; }
    ShotTable& shots() { return store_->shots; }

    // A positioned station; a ceiling height above 0.001 also sets its ceiling elevation.
    int station(std::string_view name, double x, double y, double z, double ceiling = -1.0);
    // An input line the reduction reached, with DIC and INC from its stations.
    int line(int base, int sighted, double azimuth = 0.0, std::string_view comment = "");
    // An input line whose sighted station was fixed already: the duplicate station
    // 5000 + k holds the position it measured, and the closure row k follows the input lines.
    int closingLine(int base, int sighted, double x, double y, double z, std::string_view comment = "");
    // An input line the reduction could not reach.
    int unreachedLine(int base, int sighted);

    // Runs the writer into memory and returns its bytes.
    std::string write(Writer writer);

private:
    void appendClosureRows();

    std::unique_ptr<Store> store_;
    std::vector<int> closingRows_;
};

// The lines of a text, without their line ends.
std::vector<std::string> linesOf(const std::string& text);

// A text padded with blanks to 256 bytes, as a comment is written.
std::string padded(std::string_view text);

}  // namespace mirval::test
