// The KML writer and its emitters.
#include "writers/kml/kml.hpp"

#include <algorithm>

#include "geo/projection.hpp"
#include "text/format.hpp"
#include "text/record_out.hpp"
#include "text/utf8.hpp"

namespace mirval {

namespace {

using fmt::RecordOut;

// The document head, around the icon scale and the label scale.
constexpr std::string_view kHeadBeforeIconScale[] = {
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">",
    "<Document>",
    "<name>MIRVAL ORV - MV</name>",  // the same document name whatever the input format
    "<Style id=\"TrianguloVerde\">",
    "<IconStyle>",
    "<color>ff7fff55</color>",
};
constexpr std::string_view kHeadBeforeLabelScale[] = {
    "<Icon>",
    "<href>http://maps.google.com/mapfiles/kml/shapes/triangle.png</href>",
    "</Icon>",
    "</IconStyle>",
    "<LabelStyle>",
};
constexpr std::string_view kHeadLineStyles[] = {
    "</LabelStyle>",
    "</Style>",
    "<Style id=\"Visadas\">",
    "<LineStyle>",
    "<color>ff7fff55</color>",
    "<width>1.4</width>",
    "</LineStyle>",
    "</Style>",
    "<Style id=\"Leituras\">",
    "<LineStyle>",
    "<color>ff00ffc8</color>",
    "<width>1.2</width>",
    "</LineStyle>",
    "</Style>",
};

template <std::size_t N>
void writeAll(OutputFile& out, const std::string_view (&lines)[N]) {
    for (const std::string_view line : lines) out.line(line);
}

void writeScale(OutputFile& out, double scale) { RecordOut(out).a("<scale>").f(scale, 3, 1).a("</scale>").end(); }

void openFolder(OutputFile& out, std::string_view name) {
    out.line("<Folder>");
    RecordOut(out).a("<name>").a(name).a("</name>").end();
    out.line("<open>1</open>");
}

bool hasCeiling(double ht, double zteto) { return ht > kPresent && zteto > kPresent; }

void writeCeiling(OutputFile& out, double ht, double zteto) {
    RecordOut(out).a("Altura do teto=").f(ht, 6, 2).a(" m").end();
    RecordOut(out).a("Cota do teto=").f(zteto, 8, 2).a(" m").end();
}

// A text as XML; most names need nothing done to them.
bool isPlainXml(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>'; });
}

RecordOut& xml(RecordOut& record, std::string_view text) {
    return isPlainXml(text) ? record.a(text) : record.a(xmlEscaped(text));
}

RecordOut& name(RecordOut& record, const Name& n) { return xml(record, n.trimmed()); }

// longitude,latitude,Z without blanks
RecordOut& coordinateTuple(RecordOut& record, const GeoPosition& p) {
    return record.f0(p.longitude, 10).a(",").f0(p.latitude, 10).a(",").f0(p.z, 2);
}

void writeTwoPointString(OutputFile& out, std::string_view style, const GeoPosition& from, const GeoPosition& to) {
    RecordOut(out).a("<styleUrl>#").a(style).a("</styleUrl>").end();
    out.line("<LineString>");
    out.line("<tessellate>1</tessellate>");
    out.line("<coordinates>");
    RecordOut tuples(out);
    coordinateTuple(tuples, from).a(" ");
    coordinateTuple(tuples, to).end();
    out.line("</coordinates>");
    out.line("</LineString>");
    out.line("</Placemark>");
}

void writeLineEndElevation(OutputFile& out, std::string_view lead, const LineEnd& end) {
    RecordOut record(out);
    name(record.a(lead).a("Cota "), end.name).a("= ").f0(end.at.z, 2).a(" m").end();
    if (hasCeiling(end.ht, end.zteto)) writeCeiling(out, end.ht, end.zteto);
}

// The latitude/longitude variables of the two ends of the current item. They
// are reused from one conversion to the next: the latitude a variable holds
// before a conversion takes part in choosing the hemisphere.
class Converter {
public:
    Converter(const StationTable& stations, int& zone) : stations_(stations), zone_(zone) {}

    GeoPosition first(double x, double y, double z) { return convert(latitude1_, longitude1_, x, y, z); }
    GeoPosition second(double x, double y, double z) { return convert(latitude2_, longitude2_, x, y, z); }
    GeoPosition firstStation(int s) { return first(stations_.x[s], stations_.y[s], stations_.z[s]); }
    GeoPosition secondStation(int s) { return second(stations_.x[s], stations_.y[s], stations_.z[s]); }

private:
    GeoPosition convert(double& latitude, double& longitude, double x, double y, double z) {
        double easting = x;
        double northing = y;
        GEOUTM(kGridToGeographic, latitude, longitude, easting, northing, zone_);
        return {latitude, longitude, z};
    }

    const StationTable& stations_;
    int& zone_;
    double latitude1_ = 0.0, longitude1_ = 0.0;
    double latitude2_ = 0.0, longitude2_ = 0.0;
};

void writeStations(OutputFile& out, Converter& converter, const StationTable& st, const int& zone) {
    for (int s = 1; s <= kCapacity; ++s) {
        if (st.known[s] == 0) continue;
        StationPlacemark placemark;
        placemark.name = st.name[s];
        placemark.at = converter.firstStation(s);
        placemark.ht = st.ht[s];
        placemark.zteto = st.zteto[s];
        placemark.x = st.x[s];
        placemark.y = st.y[s];
        placemark.zone = zone;
        PTOKML(out, placemark);
    }
}

LineEnd lineEnd(const StationTable& st, int s, const GeoPosition& at) { return {st.name[s], at, st.ht[s], st.zteto[s]}; }

// A line reckoned backwards (fixed from its sighted station) is shown from
// that station: azimuth turned round, inclination negated.
LineReading shownReading(const ShotTable& sh, int i) {
    if (sh.sighted[i] != sh.reference[i]) return {sh.az[i], sh.dic[i], sh.inc[i]};
    double azimuth = sh.az[i] + 180.0;
    if (azimuth >= 360.0) azimuth = azimuth - 360.0;
    return {azimuth, sh.dic[i], -sh.inc[i]};
}

void writeLines(OutputFile& out, Converter& converter, const StationTable& st, int lineCount, const ShotTable& sh) {
    for (int i = 1; i <= lineCount; ++i) {
        if (!(sh.inc[i] > 0.0 || sh.dic[i] > 0.0)) continue;
        const int from = sh.reference[i];
        const int to = sh.resolved[i];
        if (!isStationIndex(from) || !isStationIndex(to)) continue;
        const GeoPosition p1 = converter.firstStation(from);
        const GeoPosition p2 = converter.secondStation(to);
        LINKML(out, lineEnd(st, from, p1), lineEnd(st, to, p2), shownReading(sh, i));
    }
}

void writeWallReading(OutputFile& out, Converter& converter, int station, const WallPoints& wall, int i,
                      double reading) {
    if (!(reading > kPresent)) return;
    const GeoPosition from = converter.firstStation(station);
    const GeoPosition to = converter.second(wall.x[i], wall.y[i], wall.z[i]);
    LEIKML(out, from, to, reading);
}

void writeWallReadings(OutputFile& out, Converter& converter, int lineCount, const ShotTable& sh) {
    for (int i = 1; i <= lineCount; ++i) {
        if (sh.resolved[i] == 0) continue;
        const int base = sh.base[i];
        const int sighted = sh.sighted[i];
        if (!isStationIndex(base) || !isStationIndex(sighted)) continue;
        writeWallReading(out, converter, base, sh.ldbPoint, i, sh.ldb[i]);
        writeWallReading(out, converter, base, sh.lebPoint, i, sh.leb[i]);
        writeWallReading(out, converter, sighted, sh.ldvPoint, i, sh.ldv[i]);
        writeWallReading(out, converter, sighted, sh.levPoint, i, sh.lev[i]);
    }
}

}  // namespace

std::string xmlEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    const auto ascii = [&](char c) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '\t':
            case '\n':
            case '\r': escaped += c; break;
            default:
                if (c >= 0x20) escaped += c;  // other controls are no XML characters
        }
    };
    const auto sequence = [&](std::string_view bytes) {
        if (bytes != "\xEF\xBF\xBE" && bytes != "\xEF\xBF\xBF") escaped += bytes;  // U+FFFE, U+FFFF
    };
    utf8::forEachCharacter(text, ascii, sequence, [&](unsigned char byte) { utf8::appendWindows1252(escaped, byte); });
    return escaped;
}

void INIKML(OutputFile& out, const LongText& caveName, double iconScale, double labelScale) {
    writeAll(out, kHeadBeforeIconScale);
    writeScale(out, iconScale);
    writeAll(out, kHeadBeforeLabelScale);
    writeScale(out, labelScale);
    writeAll(out, kHeadLineStyles);
    out.line("<Folder>");
    out.line("<name>");
    out.line(xmlEscaped(Name(caveName.full()).full()));
    out.line("</name>");
    openFolder(out, "Bases");
}

void PTOKML(OutputFile& out, const StationPlacemark& station) {
    out.line("<Placemark>");
    RecordOut placemarkName(out);
    name(placemarkName.a("<name>"), station.name).a("</name>").end();
    RecordOut description(out);
    name(description.a("<description>Estação "), station.name).end();
    RecordOut(out).a("Latitude=").f(station.at.latitude, 15, 6).a(" °").end();
    RecordOut(out).a("Longitude=").f(station.at.longitude, 15, 6).a(" °").end();
    out.emptyLine();
    RecordOut(out).a("Coordenadas UTM Zona ").i(station.zone, 3).a(":").end();
    RecordOut(out).a("Long. UTM=").f(station.x, 13, 2).a(" E").end();
    // " S" follows every northing, in either hemisphere: stored files and their readers have it.
    RecordOut(out).a("Lat. UTM=").f(station.y, 12, 2).a(" S").end();
    out.emptyLine();
    RecordOut(out).a("Cota da Estação=").f(station.at.z, 7, 2).a(" m").end();
    if (hasCeiling(station.ht, station.zteto)) {
        out.emptyLine();
        writeCeiling(out, station.ht, station.zteto);
    } else {
        out.line(station.ht >= kAbsent ? "Radiação Topográfica" : "Base Externa");
    }
    out.line("</description>");
    out.line("<styleUrl>#TrianguloVerde</styleUrl>");
    out.line("<Point>");
    RecordOut point(out);
    coordinateTuple(point.a("<coordinates>"), station.at).a("</coordinates>").end();
    out.line("</Point>");
    out.line("</Placemark>");
}

void FAPKML(OutputFile& out) {
    out.line("</Folder>");
    openFolder(out, "Visadas");
}

void LINKML(OutputFile& out, const LineEnd& end1, const LineEnd& end2, const LineReading& reading) {
    out.line("<Placemark>");
    RecordOut placemarkName(out);
    name(name(placemarkName.a("<name>"), end1.name).a(" - "), end2.name).a("</name>").end();
    writeLineEndElevation(out, "<description>", end1);
    out.emptyLine();
    RecordOut(out).a("Azimute= ").f(reading.azimuth, 5, 1).a(" graus").end();
    RecordOut(out).a("Distância Inclinada= ").f(reading.inclinedDistance, 6, 2).a(" m").end();
    RecordOut(out).a("Inclinação= ").f(reading.inclination, 5, 1).a(" graus").end();
    out.emptyLine();
    writeLineEndElevation(out, "", end2);
    out.line("</description>");
    writeTwoPointString(out, "Visadas", end1.at, end2.at);
}

void FVALKML(OutputFile& out) {
    out.line("</Folder>");
    openFolder(out, "Leituras");
}

void LEIKML(OutputFile& out, const GeoPosition& station, const GeoPosition& wallPoint, double reading) {
    out.line("<Placemark>");
    RecordOut(out).a("<name>").f(reading, 6, 2).a(" m</name>").end();
    writeTwoPointString(out, "Leituras", station, wallPoint);
}

void FIMKML(OutputFile& out) {
    out.line("</Folder>");
    out.line("</Folder>");
    out.line("</Document>");
    out.line("</kml>");
}

void WRTKML(const Store& s, OutputFile& out) {
    const int lines = std::clamp(s.lineCount, 0, kCapacity);
    int zone = s.header.utmZone;
    Converter converter(s.stations, zone);
    INIKML(out, s.header.caveName, kSymbolSize, kSymbolSize);
    writeStations(out, converter, s.stations, zone);
    FAPKML(out);
    writeLines(out, converter, s.stations, lines, s.shots);
    FVALKML(out);
    if (s.facts.hasWallReadings) writeWallReadings(out, converter, lines, s.shots);
    FIMKML(out);
}

}  // namespace mirval
