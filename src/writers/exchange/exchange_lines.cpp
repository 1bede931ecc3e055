// The input lines as the exchange files see them.
#include "writers/exchange/exchange_lines.hpp"

namespace mirval::exchange {

namespace {

// The closure rows follow the input lines in the order of their duplicates:
// duplicate 5000 + k is the sighted station of row inputLineCount + k.
int closureRowOf(const ShotTable& shots, int inputLineCount, int duplicate) {
    if (!isStationIndex(duplicate)) return 0;
    const int row = inputLineCount + duplicate - (kFirstDuplicateStation - 1);
    if (row <= inputLineCount || row > kCapacity || shots.sighted[row] != duplicate) return 0;
    return row;
}

}  // namespace

std::string fieldName(const Name& name) {
    std::string text(name.trimmed());
    std::replace(text.begin(), text.end(), ' ', '_');
    return text;
}

std::optional<ExchangeLine> exchangeLine(const ShotTable& shots, int inputLineCount, int i) {
    ExchangeLine line{i, shots.base[i], shots.sighted[i], shots.equivalent[i], i};
    if (shots.resolved[i] == 0 || !isStationIndex(line.base) || !isStationIndex(line.sighted)) return std::nullopt;
    if (line.closing()) {
        line.measuredRow = closureRowOf(shots, inputLineCount, line.duplicate);
        if (line.measuredRow == 0) return std::nullopt;
    }
    return line;
}

}  // namespace mirval::exchange
