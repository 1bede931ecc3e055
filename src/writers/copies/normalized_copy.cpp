// WRTMVR: a normalized copy of the survey in the spreadsheet format.
#include <cmath>

#include "text/format.hpp"
#include "writers/copies/normalized_copy.hpp"
#include "writers/copies/spreadsheet_layout.hpp"

namespace mirval {

namespace {

// The legends of each variant, exactly as spreadsheet templates have them
// ("Distãncia", "WGS084" included): users match the copies against them.
struct Legends {
    std::string_view tag, first, second;
};

constexpr Legends kLegends[] = {
    {"vrk",
     "Base Visada Distância Inc.(m)Azimute(graus)    AlfaC(graus) HB-Alt.Clino Base(m) HT-Alt.Teto Base(m) "
     "Leitura     Direita Base(m) Leitura Esquerda Base(m)  HT-Alt.Teto Vis.(m)     Leitura Direita Vis(m) "
     "Leitura Esquerda Vis.(m) Alt.Estação     Vis.(m) COMENTÁRIOS E ANOTAÇÕES DIVERSAS:",
     "Base Vis.  DI(m) Az.(gr) AC(gr) HcB(m) HtB(m)  LDB(m) LEB(m) HtV(m) LDV(m) LEV(m) HcV(m)"
     "                          COMENTÁRIOS E ANOTAÇÕES DIVERSAS:"},
    {"orv",
     "Base Visada Azimute(graus) AlfaC(graus)         Distãncia Inc.(m) Leitura Esquerda Base(m) Leitura "
     "Direita       Base(m) Leitura Esquerda Vis.(m) Leitura Direita Vis (m)          HT-Alt.Teto Base(m) "
     "HB-Alt.Clino Base(m) HT-Alt.Teto Vis.(m)      HB-Alt.Estação Vis.(m) COMENTÁRIOS E ANOTAÇÕES DIVERSAS:",
     "Base Vis. Az.(gr)  AC(gr) DI(m) LEB(m) LDB(m)   LEV(m) LDV(m) HtB(m) HcB(m) HtV(m) HcV(m)"
     "                         COMENTÁRIOS E ANOTAÇÕES DIVERSAS:"},
    {"eef",
     "EST (Estação)  PV (Ponto Visado)  AZ (Azimute ALFA C (Ângulo de inclinação) DI (Distância Inclinada)  "
     "VD (Ve Direita)  VE (Vante Esquerda)  RD (Ré Direita) RE (Ré Esquerda HB (Altura da Base)  HTB (Altura "
     "do teto na Base)  HT/PV (Altura  do teto no ponto visado) HB/PV (Altura da base no ponto visado)   "
     "COMENTÁRIOS E ANOTAÇÕES DIVERSAS:",
     "Base Vis. Az.(gr)  AC(gr) DI(m) LDB(m) LEB(m)   LDV(m) LEV(m) HcB(m) HtB(m) HtV(m) HcV(m)"
     "                         COMENTÁRIOS E ANOTAÇÕES DIVERSAS:"},
};

// Fw.d (w at most 32), except that a value that fills or overflows the field is
// written as a blank and its F0.d form, so that every copy reads back.
void writeField(OutputFile& out, double value, int width, int decimals) {
    char* field = out.room(fmt::kMaxF0Width + 1);
    std::size_t written = fmt::writeF(field, value, width, decimals);
    if (field[0] != ' ') {
        field[0] = ' ';
        written = 1 + fmt::writeF0(field + 1, value, decimals);
    }
    out.advance(written);
}

void writeHeaderBlock(OutputFile& file, const Store& s, const Legends& legends) {
    const SurveyHeader& h = s.header;
    file.line(legends.tag);
    file.line("Nome da Gruta: (256 caracteres)");
    file.line(h.caveName.full());
    file.line("Município e Localidade da Gruta: (256 caracteres)");
    file.line(h.municipality.full());
    file.line("DIA(dd) MÊS(mm) ANO(aaaa)");
    file.line(fmt::Record().a(h.day.full()).a(" ").a(h.month.full()).a(" ").a(h.year.full()));
    file.line("Equipe do Levantamento (256 Caracteres)");
    file.line(h.team.full());
    file.line(
        "Declinação magnética: (no Brasil, usar numero negativo para   corrigir levantamento feito com bússola "
        "no norte magnético)");
    writeField(file, h.declination, 7, 2);
    file.put('\n');
    file.line(
        "Informações da estação inicial (a que tem coordenadas        conhecidas, em UTM e Datum SIRGAS ou "
        "WGS084)");
    file.line(
        "Base 1      X(m)      Y(m)    Z(m) Altura do teto (m) Zona UTM. 'Altura do teto= -1.0, se estação "
        "externa.  Zona UTM negativa    para o hemisfério sul");
    file.write(s.stations.name[1].full());
    writeField(file, h.x0, 12, 2);
    writeField(file, h.y0, 12, 2);
    writeField(file, h.z0, 10, 2);
    writeField(file, h.htini, 9, 2);
    const std::string zone = fmt::I(h.utmZone, 3);
    file.line("  " + (zone[0] == '*' ? fmt::I0(h.utmZone) : zone));
    file.line(legends.first);
    file.line(legends.second);
}

// The value a copy writes for one reading of a row. AC comes back from DES and
// DHOR; an SPE survey has no wall readings, no base ceiling and no instrument
// height at the sighted station.
double writtenValue(const Store& s, Reading reading, int row, bool spe) {
    const ShotTable& sh = s.shots;
    switch (reading) {
        case Reading::ac: {
            const double hcv = spe ? 0.0 : sh.hcv[row];
            const double vertical = sh.des[row] - sh.hcb[row] + hcv;
            return std::atan(vertical / (sh.dhor[row] + kGuard)) * 360 / 6.2831854820251465;
        }
        case Reading::htb:
        case Reading::ldb:
        case Reading::leb:
        case Reading::ldv:
        case Reading::lev:
            if (spe) return -1.0;
            break;
        case Reading::hcv:
            if (spe) return 0.0;
            break;
        default:
            break;
    }
    return columnOf(sh, reading)[row];
}

void writeDataRecord(OutputFile& out, const Store& s, const ColumnOrder& order, int row, bool spe) {
    const Table<Name>& names = s.stations.name;
    out.put(' ');
    out.write(names[s.shots.base[row]].trimmed());
    out.put(' ');
    out.write(names[s.shots.sighted[row]].trimmed());
    out.put(' ');
    for (const Column& column : order) {
        writeField(out, writtenValue(s, column.reading, row, spe), column.width, column.decimals);
    }
    out.write(" # ");
    out.line(s.shots.comment[row].full());
}

}  // namespace

void WRTMVR(const Store& s, std::string_view tag, OutputFile& out) {
    const ColumnOrder* order = columnOrderOf(tag);
    const Legends* legends = nullptr;
    for (const Legends& candidate : kLegends) {
        if (candidate.tag == tag) legends = &candidate;
    }
    if (order == nullptr || legends == nullptr) return;

    writeHeaderBlock(out, s, *legends);
    const bool spe = s.facts.format == SurveyFormat::LegacySpe;
    const int rows = std::min(s.inputLineCount, kCapacity);
    for (int i = 1; i <= rows; ++i) writeDataRecord(out, s, *order, i, spe);
}

std::vector<std::string_view> copyTagsOf(SurveyFormat format) {
    if (format == SurveyFormat::LegacySpe) return {"vrk", "orv"};
    return {"vrk", "eef", "orv"};
}

}  // namespace mirval
