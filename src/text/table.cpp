#include "text/table.hpp"

#include <algorithm>

#include "text/fixed_text.hpp"

namespace mirval {

TableRow& TableRow::text(std::string_view t) {
    const Column& c = next();
    if (c.left) {
        record_.aw(t, c.width);
    } else {
        record_.x(std::max(0, c.width - static_cast<int>(t.size()))).a(t);
    }
    return *this;
}

TableRow& TableRow::integer(int v) {
    record_.i(v, next().width);
    return *this;
}

TableRow& TableRow::real(double v, int decimals) {
    record_.f(v, next().width, decimals);
    return *this;
}

std::string_view TableRow::str() const { return trim(record_.str()); }

const Column& TableRow::next() {
    if (used_ > 0) record_.x(1);
    return columns_[used_++];
}

void writeHeadings(LineSink& out, std::span<const Column> columns) {
    TableRow top(columns);
    TableRow bottom(columns);
    for (const Column& c : columns) {
        top.text(c.top);
        bottom.text(c.bottom);
    }
    if (!top.str().empty()) out.line(top.str());
    out.line(bottom.str());
}

}  // namespace mirval
