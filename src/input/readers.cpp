#include "input/readers.hpp"

namespace mirval {

void LERTXT() {}
void LERSPE() {}
void WRTMVR(std::string_view) {}

}  // namespace mirval
