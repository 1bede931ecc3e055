// The line reader and the free-form values.
#include "readers/free_form.hpp"

#include <gtest/gtest.h>

#include "store/stop.hpp"
#include "support/files.hpp"

namespace mirval {
namespace {

TEST(LineReader, LineEndsMarkAndEndOfFileByte) {
    LineReader lines;
    lines.openText("\xEF\xBB\xBF" "one\r\ntwo\n\nthree\rx\nfour\x1Ahidden\n");
    EXPECT_EQ(lines.next(), "one");
    EXPECT_EQ(lines.next(), "two");
    EXPECT_EQ(lines.next(), "");
    EXPECT_EQ(lines.next(), "three\rx");
    EXPECT_EQ(lines.next(), "four");
    EXPECT_EQ(lines.lineNumber(), 5);
    EXPECT_FALSE(lines.next());
    EXPECT_EQ(lines.lineNumber(), 5);

    lines.openText("last\r");
    EXPECT_EQ(lines.next(), "last");
    EXPECT_FALSE(lines.next());
    lines.openText("a \xEF\xBB\xBF");  // a mark later in the file is text
    EXPECT_EQ(lines.next(), "a \xEF\xBB\xBF");
    EXPECT_FALSE(lines.open("/nonexistent/folder/file.txt"));
}

TEST(LineReader, FilesAreReadPieceByPieceAndLongLinesStop) {
    const auto path = test::scratchFolder() / "lines.txt";
    test::writeFile(path, "\xEF\xBB\xBFone\r\nlast\x1Ahidden\n");
    LineReader lines;
    ASSERT_TRUE(lines.open(path.string()));
    EXPECT_EQ(lines.next(), "one");
    EXPECT_EQ(lines.next(), "last");
    EXPECT_FALSE(lines.next());

    // lines across the pieces read; the longest line allowed, then one byte more
    const std::string longest(LineReader::kMaxLineBytes, 'x');
    test::writeFile(path, std::string(40000, 'a') + "\n" + longest + "\n" + longest + "x\n");
    ASSERT_TRUE(lines.open(path.string()));
    EXPECT_EQ(lines.next(), std::string(40000, 'a'));
    EXPECT_EQ(lines.next(), longest);
    try {
        lines.next();
        FAIL();
    } catch (const RunStop& stop) {
        EXPECT_EQ(stop.messages.at(0), "LINHA LONGA DEMAIS NO ARQUIVO " + path.string() + ", LINHA 3");
    }
}

TEST(FreeForm, RealsAndIntegersFollowTheNumberRules) {
    double r = 0;
    EXPECT_TRUE(parseReal("12", r) && r == 12.0);
    EXPECT_TRUE(parseReal("-.5", r) && r == -0.5);
    EXPECT_TRUE(parseReal("+5.", r) && r == 5.0);
    EXPECT_TRUE(parseReal("1.5E+2", r) && r == 150.0);
    EXPECT_TRUE(parseReal("2e-3", r) && r == 0.002);
    EXPECT_TRUE(parseReal("1e-400", r) && r == 0.0);
    for (const char* bad : {"", ".", "-", "1.5+3", "1d3", "inf", "nan", "0x10", "1e", "1e+", "12a", "1,5", "1e400",
                            "1..2", "--1", " 1"}) {
        EXPECT_FALSE(parseReal(bad, r)) << bad;
    }
    std::int32_t i = 0;
    EXPECT_TRUE(parseInteger("-23", i) && i == -23);
    EXPECT_TRUE(parseInteger("+2147483647", i) && i == 2147483647);
    EXPECT_TRUE(parseInteger("-2147483648", i) && i == -2147483647 - 1);
    for (const char* bad : {"23.0", "2147483648", "-2147483649", "99999999999999999999", "", "+", "1e2"}) {
        EXPECT_FALSE(parseInteger(bad, i)) << bad;
    }
}

TEST(FreeForm, RecordsRunOverLinesAndIgnoreTheirRest) {
    LineReader lines;
    lines.openText("'P 0',\t\"a,b\"  'it''s'\n\n  \n 1.5 , -2 rest ignored\nX 3 4\n");
    FreeFormRecord first(lines);
    std::string a, b, c;
    double x = 0;
    std::int32_t n = 0;
    EXPECT_EQ(first.text(a), ReadOutcome::ok);
    EXPECT_EQ(first.text(b), ReadOutcome::ok);
    EXPECT_EQ(first.text(c), ReadOutcome::ok);
    EXPECT_EQ(a, "P 0");
    EXPECT_EQ(b, "a,b");
    EXPECT_EQ(c, "it's");
    EXPECT_EQ(first.real(x), ReadOutcome::ok);
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(first.integer(n), ReadOutcome::ok);
    EXPECT_EQ(n, -2);
    EXPECT_EQ(first.line(), 4);
    EXPECT_EQ(first.lastLine(), " 1.5 , -2 rest ignored");

    FreeFormRecord second(lines);  // starts on line 5
    Name name;
    EXPECT_EQ(second.text(name), ReadOutcome::ok);
    EXPECT_EQ(name.trimmed(), "X");
    EXPECT_EQ(second.real(x), ReadOutcome::ok);
    EXPECT_EQ(second.real(x), ReadOutcome::ok);
    EXPECT_EQ(second.real(x), ReadOutcome::endOfFile);
    EXPECT_EQ(second.line(), 6);
}

TEST(FreeForm, UnreadableValuesNameTheirLine) {
    LineReader lines;
    lines.openText("A\n\n 2.0 '3'\n");
    FreeFormRecord record(lines);
    std::string s;
    double x = 0;
    std::int32_t n = 0;
    EXPECT_EQ(record.text(s), ReadOutcome::ok);
    EXPECT_EQ(record.integer(n), ReadOutcome::unreadable);  // "2.0" is not an integer
    EXPECT_EQ(record.line(), 3);
    EXPECT_EQ(record.real(x), ReadOutcome::unreadable);  // a quoted text is no number
}

TEST(FreeForm, TextsAreCutWithoutSplittingCharacters) {
    LineReader lines;
    lines.openText("Caverna\xC3\xA7\xC3\xA3o ab\xC3\xA7\n");
    FreeFormRecord record(lines);
    FixedText<8> cut;
    FixedText<3> shorter;
    EXPECT_EQ(record.text(cut), ReadOutcome::ok);
    EXPECT_EQ(cut.full(), "Caverna ");
    EXPECT_EQ(record.text(shorter), ReadOutcome::ok);
    EXPECT_EQ(shorter.full(), "ab ");
}

TEST(FreeForm, ReadingFailureStopsWithTheTrimmedName) {
    try {
        failReading("gruta.orv   ", 17);
        FAIL();
    } catch (const RunStop& stop) {
        EXPECT_EQ(stop.status, 1);
        EXPECT_EQ(stop.messages, std::vector<std::string>{"ERRO DE LEITURA NO ARQUIVO gruta.orv, LINHA 17"});
    }
}

}  // namespace
}  // namespace mirval
