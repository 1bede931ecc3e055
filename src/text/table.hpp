#pragma once
// Tables of the reports: columns with headings over two lines, one blank
// between columns, names left-aligned and numbers right-aligned.
#include <span>
#include <string_view>

#include "text/format.hpp"
#include "text/output.hpp"

namespace mirval {

// A column: headings over two lines, its width, and whether its text is
// left-aligned (names and words) or right-aligned (numbers).
struct Column {
    std::string_view top, bottom;
    int width;
    bool left = false;
};

// One line of a table, filled column by column.
class TableRow {
public:
    explicit TableRow(std::span<const Column> columns) : columns_(columns) {}

    TableRow& text(std::string_view t);
    TableRow& integer(int v);
    TableRow& real(double v, int decimals = 2);
    // The line without its trailing blanks.
    std::string_view str() const;

private:
    const Column& next();

    std::span<const Column> columns_;
    std::size_t used_ = 0;
    fmt::Record record_;
};

// The headings of the columns, the top line left out when it is blank.
void writeHeadings(LineSink& out, std::span<const Column> columns);

}  // namespace mirval
