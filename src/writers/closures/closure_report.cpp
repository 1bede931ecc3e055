#include "writers/closures/closure_report.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "text/fixed_text.hpp"
#include "text/format.hpp"
#include "text/table.hpp"

namespace mirval {

using fmt::Record;

namespace {

constexpr int kDecimals = 2;

std::string_view nameOf(const Store& s, int station) { return s.stations.name[station].trimmed(); }

std::string_view verdictText(ClosureVerdict v) {
    switch (v) {
        case ClosureVerdict::good: return "BOM";
        case ClosureVerdict::acceptable: return "ACEITAVEL";
        case ClosureVerdict::suspect: return "SUSPEITO";
    }
    return "";
}

std::string_view readingText(SuspectKind k) {
    switch (k) {
        case SuspectKind::distance: return "DISTANCIA";
        case SuspectKind::azimuth: return "AZIMUTE";
        case SuspectKind::inclination: return "INCLINACAO";
        case SuspectKind::reversed: return "INVERTIDA";
    }
    return "";
}

// Station names fill a column as wide as the longest of them.
int nameWidth(const Store& s, const ClosureAnalysis& a) {
    std::size_t width = 4;
    const auto widen = [&](int row) {
        width = std::max({width, nameOf(s, s.shots.base[row]).size(), nameOf(s, s.shots.sighted[row]).size()});
    };
    for (const LoopClosure& loop : a.loops) widen(loop.closingRow);
    for (const SuspectReading& r : a.suspects) widen(r.row);
    return static_cast<int>(width);
}

void writeIdentity(LineSink& out, const Store& s, const InstrumentErrors& sd) {
    out.emptyLine();
    out.line("FECHAMENTOS DOS LACOS DA POLIGONAL");
    out.emptyLine();
    out.line(s.header.caveName.trimmed());
    out.emptyLine();
    out.line("DESVIOS PADRAO DAS LEITURAS:");
    out.line(Record().a("DISTANCIA  =").f(sd.distance, 7, kDecimals).a(" M"));
    out.line(Record().a("AZIMUTE    =").f(sd.azimuth, 7, kDecimals).a(" GRAUS"));
    out.line(Record().a("INCLINACAO =").f(sd.inclination, 7, kDecimals).a(" GRAUS"));
    out.emptyLine();
}

void writeSummary(LineSink& out, const ClosureSummary& sum) {
    out.line(Record().a("NUMERO DE LACOS            =").i(sum.loops, 10));
    out.line(Record().a("COMPRIMENTO TOTAL DOS LACOS=").f(sum.totalLength, 10, kDecimals).a(" M"));
    out.line(Record().a("ERRO MEDIO                 =").f(sum.meanPercent, 10, kDecimals).a(" %"));
    out.line(Record()
                 .a("PIOR ERRO                  =")
                 .f(sum.worstPercent, 10, kDecimals)
                 .a(" % NA LINHA ")
                 .i0(sum.worstPercentRow));
    out.line(Record().a("LACOS ACEITAVEIS           =").i(sum.acceptable, 10));
    out.line(Record().a("LACOS SUSPEITOS            =").i(sum.suspect, 10));
    out.emptyLine();
}

void writeLoopLegend(LineSink& out) {
    out.line("LINHA= LINHA QUE FECHA O LACO; EQUIV.= ESTACAO EQUIVALENTE CRIADA NO FECHAMENTO");
    out.line("COMPR.= COMPRIMENTO DO LACO (SOMA DAS DISTANCIAS INCLINADAS)");
    out.line("DE, DN, DZ= ERRO DE FECHAMENTO (ESTACAO EQUIVALENTE MENOS ESTACAO VISADA)");
    out.line("ERRO= COMPRIMENTO DO ERRO DE FECHAMENTO; ERRO %= ERRO / COMPR.");
    out.line("ESPER.= ERRO ESPERADO DOS INSTRUMENTOS NA DIRECAO DO ERRO (UM DESVIO PADRAO)");
    out.line("RAZAO= ERRO / ESPER.; SEM ERRO GROSSEIRO, O SEU QUADRADO SEGUE A LEI QUI-QUADRADO COM 3 GRAUS");
    out.line("       DE LIBERDADE: BOM ATE 2.80 (95 % DOS LACOS), ACEITAVEL ATE 4.03 (99.9 %), SUSPEITO ACIMA");
    out.emptyLine();
}

void writeLoops(LineSink& out, const Store& s, const ClosureAnalysis& a, int names) {
    const Column columns[] = {{"", "LINHA", 5},  {"", "BASE", names, true}, {"", "VIS", names, true},
                              {"", "EQUIV.", 6}, {"", "LINHAS", 6},        {"", "COMPR.", 9},
                              {"", "DE", 8},     {"", "DN", 8},            {"", "DZ", 8},
                              {"", "ERRO", 7},   {"", "ERRO %", 7},        {"", "ESPER.", 7},
                              {"", "RAZAO", 9},  {"", "AVALIACAO", 9, true}};
    writeLoopLegend(out);
    writeHeadings(out, columns);
    for (const LoopClosure& loop : a.loops) {
        const int row = loop.closingRow;
        TableRow r(columns);
        r.integer(row).text(nameOf(s, s.shots.base[row])).text(nameOf(s, s.shots.sighted[row]));
        r.integer(loop.duplicate).integer(static_cast<int>(loop.lines.size())).real(loop.length);
        r.real(loop.misclosure[0]).real(loop.misclosure[1]).real(loop.misclosure[2]);
        r.real(loop.misclosureLength).real(loop.percent).real(loop.expected).real(loop.ratio);
        r.text(verdictText(loop.verdict));
        out.line(r.str());
    }
}

void writeSuspectLegend(LineSink& out) {
    out.line("LEITURA= A LEITURA QUE, CORRIGIDA SOZINHA, MELHOR FECHA OS LACOS QUE PASSAM PELA LINHA;");
    out.line("         INVERTIDA= LINHA MEDIDA DA VISADA PARA A BASE (AZIMUTE + 180, INCLINACAO COM SINAL TROCADO)");
    out.line("MEDIDA, CORRIGIDA= VALOR LIDO E VALOR QUE FECHA OS LACOS (M OU GRAUS)");
    out.line("LACOS= LACOS QUE PASSAM PELA LINHA; SUSP.= QUANTOS SAO SUSPEITOS ANTES E DEPOIS DA CORRECAO");
    out.line("RAZAO= MAIOR RAZAO DESSES LACOS ANTES E DEPOIS; ERRO RESTANTE= MAIOR ERRO QUE SOBRA NELES (M)");
    out.line("EXPLICA= PARTE DO ERRO DESSES LACOS (SOMA DOS QUADRADOS DAS RAZOES) QUE A CORRECAO EXPLICA (%)");
    out.line("ORDEM: PRIMEIRO AS CORRECOES QUE FECHAM TODOS OS LACOS SUSPEITOS DA LINHA, DEPOIS AS PARCIAIS;");
    out.line("       EM CADA GRUPO, A QUE MAIS REDUZ A SOMA DOS QUADRADOS DAS RAZOES");
    out.emptyLine();
}

void writeSuspects(LineSink& out, const Store& s, const ClosureAnalysis& a, int names) {
    out.emptyLine();
    out.line("LEITURAS SUSPEITAS");
    out.emptyLine();
    if (a.summary.suspect == 0) {
        out.line("NENHUM LACO SUSPEITO.");
        return;
    }
    if (a.suspects.empty()) {
        out.line("NENHUMA LEITURA SOZINHA EXPLICA OS LACOS SUSPEITOS.");
        return;
    }
    const Column columns[] = {
        {"", "LINHA", 5},          {"", "BASE", names, true},  {"", "VIS", names, true},
        {"", "LEITURA", 10, true}, {"", "MEDIDA", 9},          {"", "CORRIGIDA", 9},
        {"", "LACOS", 5},          {"SUSP.", "ANTES", 6},      {"SUSP.", "DEPOIS", 6},
        {"RAZAO", "ANTES", 9},     {"RAZAO", "DEPOIS", 9},     {"ERRO", "RESTANTE", 8},
        {"EXPLICA", "%", 7}};
    writeSuspectLegend(out);
    writeHeadings(out, columns);
    for (const SuspectReading& suspect : a.suspects) {
        const int row = suspect.row;
        TableRow r(columns);
        r.integer(row).text(nameOf(s, s.shots.base[row])).text(nameOf(s, s.shots.sighted[row]));
        r.text(readingText(suspect.kind)).real(suspect.measured).real(suspect.corrected);
        r.integer(suspect.loops).integer(suspect.suspectBefore).integer(suspect.suspectAfter);
        r.real(suspect.worstRatioBefore).real(suspect.worstRatioAfter).real(suspect.worstMisclosureAfter);
        r.real(suspect.explained);
        out.line(r.str());
    }
}

}  // namespace

void WRTFCH(const Store& s, const ClosureAnalysis& a, LineSink& out) {
    writeIdentity(out, s, a.errors);
    if (a.loops.empty()) {
        out.line("LEVANTAMENTO SEM LACOS: NENHUM FECHAMENTO A AVALIAR.");
        return;
    }
    const int names = nameWidth(s, a);
    writeSummary(out, a.summary);
    writeLoops(out, s, a, names);
    writeSuspects(out, s, a, names);
}

void writeClosureSummary(LineSink& console, const ClosureAnalysis& a) {
    const ClosureSummary& sum = a.summary;
    if (sum.loops == 0) {
        console.line("FECHAMENTOS: LEVANTAMENTO SEM LACOS.");
        return;
    }
    console.line(Record()
                     .a("FECHAMENTOS: ")
                     .i0(sum.loops)
                     .a(" LACOS, ERRO MEDIO ")
                     .f0(sum.meanPercent, kDecimals)
                     .a(" %, PIOR ")
                     .f0(sum.worstPercent, kDecimals)
                     .a(" % NA LINHA ")
                     .i0(sum.worstPercentRow)
                     .a(", SUSPEITOS: ")
                     .i0(sum.suspect));
}

}  // namespace mirval
