#include "writers/adjustment/adjustment_report.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string_view>

#include "text/fixed_text.hpp"
#include "text/format.hpp"
#include "text/table.hpp"

namespace mirval {

using fmt::Record;

namespace {

constexpr int kMetres = 3;  // decimals of shifts and corrections

std::string_view nameOf(const Store& s, int station) { return s.stations.name[station].trimmed(); }

// Station names fill a column as wide as the longest of them.
int nameWidth(const Store& s, const AdjustmentResults& a) {
    std::size_t width = 7;
    for (const StationShift& shift : a.shifts) width = std::max(width, nameOf(s, shift.station).size());
    return static_cast<int>(width);
}

void writeIdentity(LineSink& out, const Store& s, const InstrumentErrors& sd) {
    out.emptyLine();
    out.line("AJUSTAMENTO DA POLIGONAL POR MINIMOS QUADRADOS");
    out.emptyLine();
    out.line(s.header.caveName.trimmed());
    out.emptyLine();
    out.line("DESVIOS PADRAO DAS LEITURAS:");
    out.line(Record().a("DISTANCIA  =").f(sd.distance, 7, 2).a(" M"));
    out.line(Record().a("AZIMUTE    =").f(sd.azimuth, 7, 2).a(" GRAUS"));
    out.line(Record().a("INCLINACAO =").f(sd.inclination, 7, 2).a(" GRAUS"));
    out.line("CADA LINHA TEM AINDA 0.001 M POR EIXO (UMA LINHA DE COMPRIMENTO ZERO SO ISSO);");
    out.line("A ESTACAO INICIAL FICA NAS COORDENADAS DO CABECALHO.");
    out.emptyLine();
}

void writeVerdict(LineSink& out, const AdjustmentResults& a) {
    switch (a.verdict) {
        case AdjustmentVerdict::noLoops:
            out.line("AVALIACAO: TODOS OS LACOS SAO FECHADOS POR LINHAS FLUTUANTES; NADA A AVALIAR.");
            break;
        case AdjustmentVerdict::better:
            out.line("AVALIACAO: OS ERROS SAO MENORES DO QUE OS DESVIOS PADRAO DAS LEITURAS FAZEM ESPERAR");
            out.line("           (ABAIXO DO PONTO DE 5 % DA LEI QUI-QUADRADO COM ESSES GRAUS DE LIBERDADE)");
            break;
        case AdjustmentVerdict::explained:
            out.line("AVALIACAO: OS DESVIOS PADRAO DAS LEITURAS EXPLICAM O LEVANTAMENTO");
            out.line("           (ATE O PONTO DE 95 % DA LEI QUI-QUADRADO COM ESSES GRAUS DE LIBERDADE)");
            break;
        case AdjustmentVerdict::doubtful:
            out.line("AVALIACAO: OS DESVIOS PADRAO DAS LEITURAS EXPLICAM O LEVANTAMENTO POR POUCO");
            out.line("           (ENTRE OS PONTOS DE 95 % E 99.9 % DA LEI QUI-QUADRADO COM ESSES GRAUS DE LIBERDADE)");
            break;
        case AdjustmentVerdict::unexplained:
            out.line("AVALIACAO: OS DESVIOS PADRAO DAS LEITURAS NAO EXPLICAM O LEVANTAMENTO: HA ERROS MAIORES");
            out.line("           QUE OS DOS INSTRUMENTOS (ACIMA DO PONTO DE 99.9 % DA LEI QUI-QUADRADO COM ESSES");
            out.line("           GRAUS DE LIBERDADE); VEJA AS MAIORES CORRECOES E OS FECHAMENTOS (--closures)");
            break;
    }
    out.emptyLine();
}

void writeSummary(LineSink& out, const AdjustmentResults& a) {
    out.line(Record().a("NUMERO DE ESTACOES         =").i(a.stations, 10));
    out.line(Record().a("NUMERO DE LINHAS           =").i(a.lines, 10));
    out.line(Record().a("NUMERO DE LACOS            =").i(a.loops, 10));
    out.line(Record().a("LINHAS FLUTUANTES          =").i(static_cast<int>(a.floatedLines.size()), 10));
    out.line(Record().a("SOMA DOS QUADRADOS         =").f(a.chiSquare, 10, 2));
    out.line(Record().a("GRAUS DE LIBERDADE         =").i(a.degreesOfFreedom, 10));
    out.emptyLine();
    out.line(Record().a("FATOR DE VARIANCIA = ").f0(a.varianceFactor, 2));
    out.emptyLine();
    out.line("SOMA DOS QUADRADOS= SOMA DOS QUADRADOS DOS RESIDUOS NORMALIZADOS DAS LINHAS NAO FLUTUANTES");
    out.line("GRAUS DE LIBERDADE= 3 POR LACO QUE NENHUMA LINHA FLUTUANTE FECHA");
    out.line("FATOR DE VARIANCIA= SOMA / GRAUS: PERTO DE 1 QUANDO OS DESVIOS PADRAO EXPLICAM OS ERROS DO LEVANTAMENTO");
    out.emptyLine();
    writeVerdict(out, a);
}

double lengthOf(const std::array<double, 3>& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

const LineCorrection* correctionOf(const AdjustmentResults& a, int row) {
    const auto found = std::find_if(a.corrections.begin(), a.corrections.end(),
                                     [row](const LineCorrection& c) { return c.row == row; });
    return found == a.corrections.end() ? nullptr : &*found;
}

// A line's number, its stations and its correction.
TableRow lineRow(std::span<const Column> columns, const Store& s, const LineCorrection& c) {
    TableRow r(columns);
    r.integer(c.row).text(nameOf(s, s.shots.base[c.row])).text(nameOf(s, s.shots.sighted[c.row]));
    r.real(c.correction[0], kMetres).real(c.correction[1], kMetres).real(c.correction[2], kMetres);
    r.real(lengthOf(c.correction), kMetres).real(c.normalised);
    return r;
}

void writeFloatedLines(LineSink& out, const Store& s, const AdjustmentResults& a, int names) {
    if (a.floatedLines.empty()) return;
    const Column columns[] = {{"", "LINHA", 5}, {"", "BASE", names, true}, {"", "VIS", names, true},
                              {"", "DE", 9},    {"", "DN", 9},            {"", "DZ", 9},
                              {"", "CORRECAO", 9}, {"", "RAZAO", 9}};
    out.line("LINHAS FLUTUANTES (SEM PESO: FECHAM SOZINHAS OS LACOS POR ONDE PASSAM)");
    out.line("DE, DN, DZ= VETOR AJUSTADO MENOS VETOR MEDIDO; CORRECAO= SEU COMPRIMENTO (M)");
    out.line("RAZAO= CORRECAO EM DESVIOS PADRAO DA PROPRIA LINHA (FORA DA SOMA DOS QUADRADOS)");
    out.emptyLine();
    writeHeadings(out, columns);
    for (const int row : a.floatedLines) {
        if (const LineCorrection* c = correctionOf(a, row)) {
            out.line(lineRow(columns, s, *c).str());
        } else {
            out.line(Record().i(row, 5).a(" NAO CALCULADA PELA REDUCAO: FORA DO AJUSTAMENTO"));
        }
    }
    out.emptyLine();
}

void writeShifts(LineSink& out, const Store& s, const AdjustmentResults& a, int names) {
    const Column columns[] = {{"", "ESTACAO", names, true}, {"", "DE", 9}, {"", "DN", 9}, {"", "DZ", 9},
                              {"", "DESLOC.", 9}};
    out.line("DESLOCAMENTOS DAS ESTACOES, O MAIOR PRIMEIRO");
    out.line("DE, DN, DZ= POSICAO AJUSTADA MENOS POSICAO DA REDUCAO; DESLOC.= SEU COMPRIMENTO (M)");
    out.emptyLine();
    writeHeadings(out, columns);
    for (const StationShift& shift : a.shifts) {
        TableRow r(columns);
        r.text(nameOf(s, shift.station));
        r.real(shift.shift[0], kMetres).real(shift.shift[1], kMetres).real(shift.shift[2], kMetres);
        r.real(shift.length, kMetres);
        out.line(r.str());
    }
    out.emptyLine();
}

void writeCorrections(LineSink& out, const Store& s, const AdjustmentResults& a, int names) {
    const Column columns[] = {{"", "LINHA", 5},    {"", "BASE", names, true}, {"", "VIS", names, true},
                              {"", "DE", 9},       {"", "DN", 9},             {"", "DZ", 9},
                              {"", "CORRECAO", 9}, {"", "RESIDUO", 9},        {"", "", 9, true}};
    out.line("CORRECOES DAS LINHAS");
    out.line("DE, DN, DZ= VETOR AJUSTADO MENOS VETOR MEDIDO; CORRECAO= SEU COMPRIMENTO (M)");
    out.line("RESIDUO= CORRECAO EM DESVIOS PADRAO DA LINHA (RESIDUO NORMALIZADO)");
    out.emptyLine();
    out.line(Record().a("OS ").i0(static_cast<long>(a.largest.size())).a(" MAIORES RESIDUOS"));
    writeHeadings(out, columns);
    for (const int k : a.largest) out.line(lineRow(columns, s, a.corrections[static_cast<std::size_t>(k)]).str());
    out.emptyLine();
    out.line("TODAS AS LINHAS, NA ORDEM DO LEVANTAMENTO");
    writeHeadings(out, columns);
    for (const LineCorrection& c : a.corrections) {
        TableRow r = lineRow(columns, s, c);
        if (c.floated) r.text("FLUTUANTE");
        out.line(r.str());
    }
}

}  // namespace

void WRTAJU(const Store& s, const AdjustmentResults& a, LineSink& out) {
    writeIdentity(out, s, a.errors);
    if (a.loops == 0) {
        out.line("LEVANTAMENTO SEM LACOS: AS COORDENADAS NAO MUDAM.");
        return;
    }
    const int names = nameWidth(s, a);
    writeSummary(out, a);
    writeFloatedLines(out, s, a, names);
    writeShifts(out, s, a, names);
    writeCorrections(out, s, a, names);
}

void writeAdjustmentSummary(LineSink& console, const Store& s, const AdjustmentResults& a) {
    if (a.loops == 0) {
        console.line("AJUSTAMENTO: LEVANTAMENTO SEM LACOS.");
        return;
    }
    const StationShift& largest = a.shifts.front();
    console.line(Record()
                     .a("AJUSTAMENTO: ")
                     .i0(a.loops)
                     .a(" LACOS, FATOR DE VARIANCIA ")
                     .f0(a.varianceFactor, 2)
                     .a(", MAIOR DESLOCAMENTO ")
                     .f0(largest.length, kMetres)
                     .a(" M NA ESTACAO ")
                     .a(nameOf(s, largest.station)));
}

}  // namespace mirval
