// The result, plot and coordinate listings.
#include "writers/listings/listings.hpp"

#include "text/format.hpp"
#include "writers/listings/credits.hpp"
#include "writers/listings/metric_report.hpp"

namespace mirval {

using fmt::Record;

namespace {

constexpr double kNegativeCeiling = -0.009999999776482582;  // -0.01
constexpr double kNoCeilingMarker = -9999.990234375;        // -9999.99

std::string_view nameOf(const Store& s, int station) { return s.stations.name[station].trimmed(); }

bool isSpe(const Store& s) { return s.facts.format == SurveyFormat::LegacySpe; }

// Cave, municipality, date, team, the declination the azimuths were turned by
// (with how it was worked out, when the run computed it) and scale, one per line.
void writeSurveyIdentity(LineSink& out, const Store& s, std::string_view scaleLead) {
    const SurveyHeader& h = s.header;
    out.line(h.caveName.full());
    out.line("Município e Localidade:");
    out.line(h.municipality.full());
    out.line("Data do Levantamento(dd mm aaaa):");
    out.line(Record().a(h.day.full()).x(1).a(h.month.full()).x(1).a(h.year.full()));
    out.line("Equipe do Levantamento:");
    out.line(h.team.full());
    out.line(Record().a("DECLINACAO =").f(s.azimuthCorrection, 7, 2).a(" GRAUS"));
    if (!s.azimuthNote.isBlank()) out.line(s.azimuthNote.trimmed());
    out.line(Record().a(scaleLead).i0(h.scale));
}

void writeAdjustedNote(LineSink& out, bool adjusted) {
    if (adjusted) out.line("COORDENADAS AJUSTADAS POR MINIMOS QUADRADOS");
}

void writeSpeColumnHeader(LineSink& out, const Store& s) {
    const SurveyHeader& h = s.header;
    out.emptyLine();
    out.line(Record()
                 .a("LINHA    BASE   VIS   D.INC.   D.HOR.    AZ       DES     TETO.  DEC=")
                 .f(s.azimuthCorrection, 5, 1)
                 .a(" G.  ESCALA=1:")
                 .i0(h.scale)
                 .a(". COORD. EM CM SE ESC DIF. 1"));
    out.emptyLine();
}

void writeLegend(LineSink& out) {
    out.line("DIC= DISTANCIA INCLINADA ENTRE ESTACOES (CALCULADA)");
    out.line("D.HOR.= DISTANCIA HORIZONTAL ENTRE ESTACOES (CALCULADA)");
    out.line("AZ= AZIMUTE");
    out.line("INC= INCLINACAO ENTRE AS ESTACOES (CALCULADA)");
    out.line("HTB= ALTURA DO TETO SOBRE A ESTACAO BASE (CALCULADA)");
    out.line("HTV= ALTURA DO TETO SOBRE A ESTACAO VISADA (CALCULADA)");
    out.emptyLine();
    out.line("LINHA BASE VIS   DIC  D.HOR.  AZ.    INC  HTB  HTV       COMENTARIOS E OBSERVACOES:");
}

void writeResultHeader(LineSink& out, const Store& s) {
    const SurveyHeader& h = s.header;
    const StationTable& st = s.stations;
    const int initial = 1;  // the initial base
    out.emptyLine();
    writeSurveyIdentity(out, s, "ESCALA =1:");
    out.line(Record().a("COOR. INICIO=").f(st.x[initial], 10, 2).f(st.y[initial], 11, 2).f(st.z[initial], 9, 2));
    out.line(Record()
                 .a("BASE INICIAL= ")
                 .a(nameOf(s, initial))
                 .a(" HT INICAL= ")  // "INICAL": the listings' own heading, kept for stored files
                 .f(h.htini, 5, 2)
                 .a(" ZONA UTM= ")
                 .i0(h.utmZone));
    writeAdjustedNote(out, s.networkAdjusted);
    out.emptyLine();
    out.line("COORDENADAS DAS ESTACOES EM METROS.");
    out.emptyLine();
    if (isSpe(s)) {
        writeSpeColumnHeader(out, s);
    } else {
        writeLegend(out);
    }
}

void writeSpeRecord(LineSink& out, const Store& s, int i) {
    const ShotTable& sh = s.shots;
    const StationTable& st = s.stations;
    const int scale = s.header.scale;
    const int r = sh.resolved[i];
    const int v = sh.sighted[i];
    const auto scaled = [scale](double value) { return scaledForListing(value, scale); };
    Record record;
    record.i(i, 4).x(4).a(nameOf(s, sh.base[i])).x(2).a(nameOf(s, v)).x(1);
    record.f(sh.di[i], 8, 2).x(1).f(sh.dhor[i], 8, 2).x(2).f(sh.az[i], 5, 1).x(1);
    record.f(sh.des[i], 8, 2).x(1).f(sh.htv[i], 8, 2).x(2);
    record.a("X(").a(nameOf(s, r)).a(")=").f(scaled(st.x[r]), 10, 2).x(2);
    record.a("Y(").a(nameOf(s, r)).a(")=").f(scaled(st.y[r]), 11, 2).x(2);
    record.a("Z(").a(nameOf(s, r)).a(")=").f(scaled(st.z[r]), 7, 2);
    if (st.zteto[v] > kAbsent) {
        record.x(2).a("HT(").a(nameOf(s, v)).a(")=").f(scaled(st.ht[v]), 7, 2).x(2);
        record.a("ZTETO(").a(nameOf(s, v)).a(")=").f(scaled(st.zteto[v]), 7, 2);
    }
    out.line(record);
}

// The SPE ceiling code of a row must say how its ceiling was read.
void checkSpeCeiling(LineSink& out, const Store& s, int i) {
    const char kind = s.shots.ceilingKind[i];
    const std::string_view b = nameOf(s, s.shots.base[i]);
    const std::string_view v = nameOf(s, s.shots.sighted[i]);
    const bool degrees = kind == 'G' || kind == 'g';
    if (!degrees && kind != 'M' && kind != 'm') {
        out.line(Record().a("ALTURA DO TETO MAL EXPLIC. EM ").a(b).a("-").a(v).a(". CORRIJA."));
    }
    if (s.shots.htv[i] < kNegativeCeiling && degrees) {
        out.line(Record().a("ALTURA DO TETO NEGATIVA EM ").a(b).a("-").a(v).a(". VERIFIQUE."));
    }
}

void writeComputedRecord(LineSink& out, const Store& s, int i) {
    const ShotTable& sh = s.shots;
    const StationTable& st = s.stations;
    const int b = sh.base[i];
    const int v = sh.sighted[i];
    out.line(Record()
                 .i(i, 5)
                 .x(1)
                 .a(nameOf(s, b))
                 .x(2)
                 .a(nameOf(s, v))
                 .x(1)
                 .f(sh.dic[i], 6, 2)
                 .x(1)
                 .f(sh.dhor[i], 6, 2)
                 .x(1)
                 .f(sh.az[i], 5, 1)
                 .x(1)
                 .f(sh.inc[i], 6, 2)
                 .x(1)
                 .f(st.ht[b], 5, 2)
                 .x(1)
                 .f(st.ht[v], 5, 2)
                 .x(1)
                 .a(sh.comment[i].trimmed()));
}

// One record per resolved row.
void writeRowRecords(LineSink& out, const Store& s) {
    for (int i = 1; i <= s.lineCount; ++i) {
        if (s.shots.resolved[i] == 0) continue;
        if (isSpe(s)) {
            writeSpeRecord(out, s, i);
            checkSpeCeiling(out, s, i);
        } else {
            writeComputedRecord(out, s, i);
        }
    }
}

void writeUnresolvedSection(LineSink& out, const Store& s) {
    if (s.unresolvedCount == 0) return;
    out.emptyLine();
    out.emptyLine();
    out.emptyLine();
    out.line("   ESTACOES NAO CALCULADAS POR FALTA DE AMARRACAO ENTRE AS BASES:");
    out.line(Record().x(10).a("LINHA     BASE      VISADA"));
    for (int n = 1; n <= s.unresolvedCount; ++n) {
        const int i = s.unresolved[n];
        out.line(Record()
                     .x(11)
                     .i(i, 4)
                     .x(7)
                     .a(nameOf(s, s.shots.base[i]))
                     .x(8)
                     .a(nameOf(s, s.shots.sighted[i])));
    }
}

void writePlotRecord(LineSink& out, const Store& s, int i) {
    const StationTable& st = s.stations;
    Record record;
    const auto station = [&](int n) {
        record.a(nameOf(s, n)).x(1).f(st.x[n], 12, 3).f(st.y[n], 12, 3).f(st.z[n], 12, 3).f(st.zteto[n], 12, 3);
    };
    station(s.shots.reference[i]);
    record.x(3);
    station(s.shots.resolved[i]);
    out.line(record);
}

double ceilingColumn(const StationTable& st, int station, int scale) {
    const double zteto = scaledForListing(st.zteto[station], scale);
    return st.ht[station] > kPresent && zteto > kPresent ? zteto : kNoCeilingMarker;
}

void writeCoordinateRecord(LineSink& out, const Store& s, int station) {
    const StationTable& st = s.stations;
    const int scale = s.header.scale;
    out.line(Record()
                 .i(station, 4)
                 .x(1)
                 .a(nameOf(s, station))
                 .f(scaledForListing(st.x[station], scale), 12, 2)
                 .x(1)
                 .f(scaledForListing(st.y[station], scale), 11, 2)
                 .x(1)
                 .f(scaledForListing(st.z[station], scale), 7, 2)
                 .x(1)
                 .f(ceilingColumn(st, station, scale), 8, 2));
}

}  // namespace

void WRTCAB(LineSink& out, const Store& s) {
    const SurveyHeader& h = s.header;
    const StationTable& st = s.stations;
    writeSurveyIdentity(out, s, "ESCALA = 1:");
    out.line(Record().a("COOR. INICIO=").f(st.x[1], 11, 2).f(st.y[1], 12, 2).f(st.z[1], 9, 2));
    out.line(Record()
                 .a("BASE INICIAL= ")
                 .a(st.name[1].trimmed())
                 .a(" HT INICAL= ")
                 .f(st.ht[1], 5, 2)
                 .a(" ZONA UTM= ")
                 .i0(h.utmZone));
    writeAdjustedNote(out, s.networkAdjusted);
    out.emptyLine();
    out.line(Record().a("COORDENADAS DAS ESTACOES, EM CENTIMETROS, SE ESCALA    NÃO FOR 1.  ESCALA 1:").i0(h.scale));
    out.line(Record().a("SENÃO, EM METROS. DECLINACAO=").f(s.azimuthCorrection, 7, 2).a(" GRAUS"));
    out.emptyLine();
}

void writeResultListingBody(const Store& s, OutputFile& out) {
    writeResultHeader(out, s);
    writeRowRecords(out, s);
    writeUnresolvedSection(out, s);
    WRTMAXMIN(out, s.header.scale, s.stations.name, s.statistics);
    writeMeanCeilingHeight(out, s.statistics);
    writeCredits(out);
}

void writeResultSummary(const Store& s, LineSink& console) {
    writeUnresolvedSection(console, s);
    writeExtentSummary(console, s.stations.name, s.statistics);
}

void writePlotListing(const Store& s, OutputFile& out) {
    WRTCAB(out, s);
    WRTMAXMIN(out, s.header.scale, s.stations.name, s.statistics);
    out.line("Base     X(Base)     Y(Base)     Z(Base)    ZTetoBVis.     X(Vis.)     Y(Vis.)     Z(Vis.)    ZTetoV");
    for (int i = 1; i <= s.lineCount; ++i) {
        if (s.shots.resolved[i] != 0) writePlotRecord(out, s, i);
    }
    writeCredits(out);
}

void writeCoordinateListing(const Store& s, OutputFile& out) {
    WRTCAB(out, s);
    WRTMAXMIN(out, s.header.scale, s.stations.name, s.statistics);
    out.line(" No. ESTAÇÃO   X(E-W)     Y(N-S)  Z(Cota) Z(Teto)");
    for (int station = 1; station <= kCapacity; ++station) {
        if (s.stations.known[station] != 0) writeCoordinateRecord(out, s, station);
    }
    writeCredits(out);
}

}  // namespace mirval
