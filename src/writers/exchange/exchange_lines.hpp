#pragma once
// What the Therion and Compass writers share: the input lines they walk and the
// station names as both formats need them.
#include <algorithm>
#include <optional>
#include <string>

#include "store/store.hpp"

namespace mirval::exchange {

// A station name without its trailing blanks, every inner blank written as "_":
// both formats separate their fields by blanks.
std::string fieldName(const Name& name);

// One input line as the exchange files see it.
struct ExchangeLine {
    int row = 0;  // the input line's own row
    int base = 0;
    int sighted = 0;
    int duplicate = 0;    // the station a closing line fixed; 0 for an ordinary line
    int measuredRow = 0;  // the row holding the measured shot: the line itself, or its closure row
    bool closing() const { return duplicate != 0; }
    int end() const { return closing() ? duplicate : sighted; }  // where the measured shot ends
};

// Input line i, or nothing when the reduction never reached it (it carries no
// computed vector) or its stations lie outside the tables.
std::optional<ExchangeLine> exchangeLine(const ShotTable& shots, int inputLineCount, int i);

// Visits, in file order, every input line that the exchange files carry.
template <class Visit>
void forEachExchangeLine(const ShotTable& shots, int inputLineCount, Visit visit) {
    const int last = std::clamp(inputLineCount, 0, kCapacity);
    for (int i = 1; i <= last; ++i) {
        if (const auto line = exchangeLine(shots, last, i)) visit(*line);
    }
}

}  // namespace mirval::exchange
