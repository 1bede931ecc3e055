// Fixed-column fields of the SPE records and the declination line.
#include "readers/fixed_field.hpp"

#include <string>

#include "readers/free_form.hpp"

namespace mirval {

std::string_view columns(std::string_view line, int first, int width) {
    return fromColumn(line, first).substr(0, static_cast<std::size_t>(width));
}

std::string_view fromColumn(std::string_view line, int first) {
    const auto start = static_cast<std::size_t>(first - 1);
    return start >= line.size() ? std::string_view() : line.substr(start);
}

bool readFixedReal(std::string_view field, int impliedDecimals, double& value) {
    std::string number;
    for (const char c : field) {
        // A tab, as exported by spreadsheets, is taken as a blank.
        if (c != ' ' && c != '\t') number.push_back(c);
    }
    if (number.empty()) {
        value = 0;
        return true;
    }
    if (number.find('.') == std::string::npos) {
        // Put the implied point in front of the last digits of the mantissa.
        const std::size_t signs = (number[0] == '+' || number[0] == '-') ? 1 : 0;
        const std::size_t mantissaEnd = std::min(number.find_first_of("eE"), number.size());
        if (mantissaEnd <= signs) return false;
        const auto decimals = static_cast<std::size_t>(impliedDecimals);
        std::size_t digits = mantissaEnd - signs;
        if (digits <= decimals) {
            number.insert(signs, decimals + 1 - digits, '0');
            digits = decimals + 1;
        }
        number.insert(signs + digits - decimals, 1, '.');
    }
    return parseReal(number, value);
}

}  // namespace mirval
