#pragma once
// UTF-8 and the UTF-16 text of the Windows API (Windows builds only).
#include <string>
#include <string_view>

namespace mirval {

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

}  // namespace mirval
