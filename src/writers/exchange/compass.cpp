// What the two Compass files share: header, units, end.
#include "writers/exchange/compass.hpp"

#include "text/format.hpp"

namespace mirval::compass {

double feetOrMissing(double metres) {
    const double feet = metres * kFeet;
    return feet < 0.0 ? kMissing : feet;
}

void writeHeader(OutputFile& out, const SurveyHeader& h, double declination) {
    out.line(fmt::Record().aw(h.caveName.full(), 80));
    out.line("SURVEY NAME: A");
    out.line(fmt::Record()
                 .a("SURVEY DATE: ")
                 .a(h.month.full())
                 .a(" ")
                 .a(h.day.full())
                 .a(" ")
                 .a(h.year.full())
                 .a("  COMMENT:"));
    out.line("SURVEY TEAM: ");
    out.line(fmt::Record().aw(h.team.full(), 128));
    out.line(fmt::Record()
                 .a("DECLINATION: ")
                 .f(declination, 6, 2)
                 .a("  FORMAT: DMMDLRUDLAaDdNF  CORRECTIONS:  0.00 000 0.00")
                 .a("  CORRECTIONS2:  0.00 0.00"));
    out.emptyLine();
    // "LENGHT" is the column heading Compass files have always carried here.
    out.line("FROM      TO    LENGHT   BEARING       INC      LEFT        UP      DOWN     RIGHT   FLAGS  COMMENTS"
             "        LENGTH AND LRUD IN INTERNATIONAL FEET");
    out.emptyLine();
}

void writeEnd(OutputFile& out) {
    out.line("\f");
    out.put('\x1A');
}

}  // namespace mirval::compass
