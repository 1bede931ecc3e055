#include "exchange/exchange.hpp"

namespace mirval {

void WRTTHE(const LongText&, const SurveyHeader&, const StationTable&, int, const ShotTable&) {}
void CMPLRU(const LongText&, const SurveyHeader&, const StationTable&, int, const ShotTable&) {}
void CMPSPL(const LongText&, const SurveyHeader&, const StationTable&, int, const ShotTable&) {}

}  // namespace mirval
