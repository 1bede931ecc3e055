// The survey's start on the console log.
#include "readers/start_summary.hpp"

#include "text/format.hpp"

namespace mirval {

void writeStartSummary(LineSink& log, const Store& s, int scale, DeclinationField declination) {
    const SurveyHeader& h = s.header;
    log.line(fmt::Record()
                 .a("ESCALA=1:")
                 .i0(scale)
                 .a(". DECLINACAO=")
                 .f(declination.value, declination.width, declination.decimals));
    log.line(fmt::Record().a("COOR INICIO=").f(h.x0, 11, 3).f(h.y0, 12, 3).f(h.z0, 9, 3));
    log.line(fmt::Record()
                 .a("BASE INICIAL= ")
                 .a(s.stations.name[1].trimmed())
                 .a(" HTINI= ")
                 .f(h.htini, 5, 2)
                 .a(" ZONA UTM= ")
                 .i0(h.utmZone));
    log.emptyLine();
}

}  // namespace mirval
