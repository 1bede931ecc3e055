#include "core/reduction.hpp"

namespace mirval {

void reduceSurvey(Store& s) { s.inputLineCount = s.lineCount; }

}  // namespace mirval
