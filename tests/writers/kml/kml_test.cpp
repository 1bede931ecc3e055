// The KML document and its emitters.
#include "writers/kml/kml.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "geo/projection.hpp"
#include "support/files.hpp"

namespace mirval {
namespace {

using Lines = std::vector<std::string>;
using test::splitLines;

template <class Write>
Lines written(Write write) {
    OutputFile out;
    out.openInMemory();
    write(out);
    return splitLines(out.text());
}

Lines slice(const Lines& lines, std::size_t from, std::size_t count) {
    if (from >= lines.size()) return {};
    return Lines(lines.begin() + from, lines.begin() + std::min(lines.size(), from + count));
}

StationPlacemark placemark(std::string_view name, double latitude, double longitude, double z, double ht,
                           double zteto) {
    StationPlacemark p;
    p.name = Name(name);
    p.at = {latitude, longitude, z};
    p.ht = ht;
    p.zteto = zteto;
    p.x = 656672.34;
    p.y = 7760143.36;
    p.zone = -23;
    return p;
}

TEST(KmlPlacemarks, StationOfTheWorkedExample) {
    double latitude = 0.0, longitude = 0.0, easting = 656672.34, northing = 7760143.36;
    int zone = -23;
    GEOUTM(kGridToGeographic, latitude, longitude, easting, northing, zone);
    const Lines lines = written([&](OutputFile& out) {
        PTOKML(out, placemark("E1", latitude, longitude, 812.3, 2.5, 814.8));
    });
    const Lines expected = {
        "<Placemark>",
        "<name>E1</name>",
        "<description>Estação E1",
        "Latitude=     -20.250000 °",
        "Longitude=     -43.500000 °",
        "",
        "Coordenadas UTM Zona -23:",
        "Long. UTM=    656672.34 E",
        "Lat. UTM=  7760143.36 S",
        "",
        "Cota da Estação= 812.30 m",
        "",
        "Altura do teto=  2.50 m",
        "Cota do teto=  814.80 m",
        "</description>",
        "<styleUrl>#TrianguloVerde</styleUrl>",
        "<Point>",
        "<coordinates>-43.5000000176,-20.2499999706,812.30</coordinates>",
        "</Point>",
        "</Placemark>",
    };
    EXPECT_EQ(lines, expected);
}

TEST(KmlPlacemarks, StationKindFromTheCeilingHeight) {
    const auto kindLines = [](double ht, double zteto) {
        return slice(written([&](OutputFile& out) { PTOKML(out, placemark("E1", -20.25, -43.5, 812.3, ht, zteto)); }),
                     11, 3);
    };
    EXPECT_EQ(kindLines(-1.0, -1.0)[0], "Base Externa");
    EXPECT_EQ(kindLines(0.0, -1.0)[0], "Radiação Topográfica");
    EXPECT_EQ(kindLines(kAbsent, -1.0)[0], "Radiação Topográfica");
    EXPECT_EQ(kindLines(kPresent, 815.3)[0], "Radiação Topográfica");
    EXPECT_EQ(kindLines(2.5, -1.0)[0], "Radiação Topográfica");  // no ceiling elevation to show
    EXPECT_EQ(kindLines(2.5, 815.3), (Lines{"", "Altura do teto=  2.50 m", "Cota do teto=  815.30 m"}));
}

TEST(KmlPlacemarks, LinePlacemarkWritesTuplesWithoutBlanks) {
    LineEnd from{Name("E1"), {-20.25, -43.5, 812.3}, 2.5, 814.8};
    LineEnd to{Name("E2"), {-20.2501, -43.4999, 0.5}, -1.0, -1.0};
    const Lines lines = written([&](OutputFile& out) { LINKML(out, from, to, {90.0, 10.5, -3.25}); });
    const Lines expected = {
        "<Placemark>",
        "<name>E1 - E2</name>",
        "<description>Cota E1= 812.30 m",
        "Altura do teto=  2.50 m",
        "Cota do teto=  814.80 m",
        "",
        "Azimute=  90.0 graus",
        "Distância Inclinada=  10.50 m",
        "Inclinação=  -3.3 graus",
        "",
        "Cota E2= 0.50 m",
        "</description>",
        "<styleUrl>#Visadas</styleUrl>",
        "<LineString>",
        "<tessellate>1</tessellate>",
        "<coordinates>",
        "-43.5000000000,-20.2500000000,812.30 -43.4999000000,-20.2501000000,0.50",
        "</coordinates>",
        "</LineString>",
        "</Placemark>",
    };
    EXPECT_EQ(lines, expected);

    const Lines station = written([&](OutputFile& out) { PTOKML(out, placemark("E1", -20.25, -43.5, 812.3, -1, -1)); });
    EXPECT_EQ(station.at(15), "<coordinates>-43.5000000000,-20.2500000000,812.30</coordinates>");
}

TEST(KmlPlacemarks, ReadingPlacemarkAndNames) {
    const GeoPosition station{-20.25, -43.5, 812.3};
    const GeoPosition wall{-20.25, -43.49999, 812.3};
    const Lines reading = written([&](OutputFile& out) { LEIKML(out, station, wall, 0.9); });
    EXPECT_EQ(reading.at(1), "<name>  0.90 m</name>");
    EXPECT_EQ(reading.at(2), "<styleUrl>#Leituras</styleUrl>");
    EXPECT_EQ(reading.at(6), "-43.5000000000,-20.2500000000,812.30 -43.4999900000,-20.2500000000,812.30");
    EXPECT_EQ(reading.size(), 10u);
    EXPECT_EQ(written([&](OutputFile& out) { LEIKML(out, station, wall, 1000.0); }).at(1), "<name>****** m</name>");

    // Blank names and markup characters.
    const Lines blank = written([&](OutputFile& out) { PTOKML(out, placemark("", 0, 0, 0, -1, -1)); });
    EXPECT_EQ(blank.at(1), "<name></name>");
    const Lines marked = written([&](OutputFile& out) { PTOKML(out, placemark("A&B<1>", 0, 0, 0, -1, -1)); });
    EXPECT_EQ(marked.at(1), "<name>A&amp;B&lt;1&gt;</name>");
    EXPECT_EQ(marked.at(2), "<description>Estação A&amp;B&lt;1&gt;");
}

TEST(KmlText, AlwaysWellFormedUtf8) {
    EXPECT_EQ(xmlEscaped("Salão <Norte> & Água – 5°"), "Salão &lt;Norte&gt; &amp; Água – 5°");
    EXPECT_EQ(xmlEscaped("Gruta S\xe3o Jos\xe9 \x96 \x80"), "Gruta São José – €");  // Windows-1252
    EXPECT_EQ(xmlEscaped(std::string("a\0b\x01\x1F\tc\x7F", 8)), "ab\tc\x7F");        // controls XML forbids
    EXPECT_EQ(xmlEscaped("x\xEF\xBF\xBFy\xEF\xBF\xBDz"), "xy\xEF\xBF\xBDz");         // U+FFFF is none, U+FFFD is
}

TEST(KmlHead, HeadAndCaveFolderName) {
    const Lines head = written([](OutputFile& out) {
        INIKML(out, LongText("Gruta muito comprida de nome longo demais"), kSymbolSize, kSymbolSize);
    });
    ASSERT_EQ(head.size(), 35u);
    EXPECT_EQ(head[1], "<kml xmlns=\"http://www.opengis.net/kml/2.2\">");
    EXPECT_EQ(head[3], "<name>MIRVAL ORV - MV</name>");
    EXPECT_EQ(head[7], "<scale>0.6</scale>");
    EXPECT_EQ(head[13], "<scale>0.6</scale>");
    EXPECT_EQ(head[30], "Gruta muito comprida de nome lon");
    EXPECT_EQ(head[33], "<name>Bases</name>");
    EXPECT_EQ(head[34], "<open>1</open>");

    const auto folderName = [](std::string_view cave) {
        return written([&](OutputFile& out) { INIKML(out, LongText(cave), 0.6, 0.6); }).at(30);
    };
    EXPECT_EQ(folderName("Lapa"), "Lapa" + std::string(28, ' '));
    // Cut to 32 bytes first (never inside a UTF-8 character), then escaped.
    EXPECT_EQ(folderName("Toca & Abrigo <norte> do Salão Grande"), "Toca &amp; Abrigo &lt;norte&gt; do Salão ");
    EXPECT_EQ(folderName("Gruta do Exemplo – Salão das Estalactites"), "Gruta do Exemplo – Salão das ");
    EXPECT_EQ(folderName("Gruta de São João da Serra Azão"), "Gruta de São João da Serra Az ");
}

// A small reduced survey in a store of its own.
class KmlDocument : public testing::Test {
protected:
    void SetUp() override { initialiseStore(*s_); }

    int addStation(int index, std::string_view name, double x, double y, double z, double ht = -1.0) {
        StationTable& st = s_->stations;
        st.name[index] = Name(name);
        st.known[index] = 1;
        st.x[index] = x;
        st.y[index] = y;
        st.z[index] = z;
        st.ht[index] = ht;
        st.zteto[index] = ht > kPresent ? ht + z : -1.0;
        return index;
    }

    // A computed line; `backward` when it was fixed from its sighted station.
    int addLine(int base, int sighted, double az, double dic, double inc, bool backward = false) {
        ShotTable& sh = s_->shots;
        const int i = ++s_->lineCount;
        sh.base[i] = base;
        sh.sighted[i] = sighted;
        sh.az[i] = az;
        sh.dic[i] = dic;
        sh.inc[i] = inc;
        sh.reference[i] = backward ? sighted : base;
        sh.resolved[i] = backward ? base : sighted;
        return i;
    }

    static void setWall(WallPoints& wall, int i, double x, double y, double z) {
        wall.x[i] = x;
        wall.y[i] = y;
        wall.z[i] = z;
    }

    Lines document(bool withWalls = true) {
        s_->facts.hasWallReadings = withWalls;
        OutputFile out;
        out.openInMemory();
        WRTKML(*s_, out);
        return splitLines(out.text());
    }

    // The name line of every placemark, by folder.
    static std::map<std::string, Lines> placemarksByFolder(const Lines& doc) {
        std::map<std::string, Lines> folders;
        std::string folder;
        for (std::size_t k = 0; k + 1 < doc.size(); ++k) {
            if (doc[k] == "<Folder>") folder = doc[k + 1];
            if (doc[k] == "<Placemark>") folders[folder].push_back(doc[k + 1]);
        }
        return folders;
    }

    static std::size_t count(const Lines& doc, std::string_view line) {
        return static_cast<std::size_t>(std::count(doc.begin(), doc.end(), line));
    }

    std::unique_ptr<Store> s_ = std::make_unique<Store>();
};

TEST_F(KmlDocument, FoldersLinesAndReadings) {
    s_->header.utmZone = -23;
    addStation(1, "P1", 656672.34, 7760143.36, 812.3, 2.5);
    addStation(2, "P2", 656662.34, 7760143.36, 811.0);
    addStation(3, "P3", 656672.34, 7760133.36, 810.0);
    addStation(5001, "5001", 656672.40, 7760133.30, 810.1);
    const int forward = addLine(1, 2, 270.0, 10.1, 5.0);
    addLine(3, 1, 270.0, 10.0, 4.0, true);   // shown as 90, inclination negated
    addLine(1, 3, 100.0, 10.0, -2.0, true);  // shown as 280
    const int closing = addLine(2, 3, 10.0, 0.0, 0.0);
    s_->shots.resolved[closing] = 5001;
    const int closure = addLine(2, 5001, 10.0, 12.0, 0.0);  // closure row: drawn, inclination 0
    const int unresolved = addLine(3, 4, 10.0, 0.0, 0.0);
    s_->shots.resolved[unresolved] = 0;
    s_->shots.ldb[unresolved] = 2.0;

    ShotTable& sh = s_->shots;
    sh.ldb[forward] = 1.0;
    setWall(sh.ldbPoint, forward, 656672.34, 7760144.36, 813.0);
    sh.leb[forward] = kPresent;  // at the threshold: not drawn
    sh.ldv[forward] = 1000.0;
    setWall(sh.ldvPoint, forward, 656662.34, 7760143.36 - 1000.0, 811.0);
    sh.lev[closure] = 0.5;
    setWall(sh.levPoint, closure, 656672.90, 7760133.30, 810.1);

    const Lines doc = document();
    const auto folders = placemarksByFolder(doc);
    EXPECT_EQ(folders.at("<name>Bases</name>"),
              (Lines{"<name>P1</name>", "<name>P2</name>", "<name>P3</name>", "<name>5001</name>"}));
    EXPECT_EQ(folders.at("<name>Visadas</name>"), (Lines{"<name>P1 - P2</name>", "<name>P1 - P3</name>",
                                                          "<name>P3 - P1</name>", "<name>P2 - 5001</name>"}));
    EXPECT_EQ(folders.at("<name>Leituras</name>"),
              (Lines{"<name>  1.00 m</name>", "<name>****** m</name>", "<name>  0.50 m</name>"}));

    EXPECT_EQ(count(doc, "Azimute=  90.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Inclinação=  -4.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Azimute= 280.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Inclinação=   2.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Azimute= 270.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Inclinação=   5.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Inclinação=   0.0 graus"), 1u);
    EXPECT_EQ(count(doc, "Coordenadas UTM Zona -23:"), 4u);
    EXPECT_EQ(doc.back(), "</kml>");
    EXPECT_EQ(slice(doc, doc.size() - 4, 4), (Lines{"</Folder>", "</Folder>", "</Document>", "</kml>"}));

    // The legacy format has no wall points: its readings folder stays empty.
    const auto speFolders = placemarksByFolder(document(false));
    EXPECT_EQ(speFolders.count("<name>Leituras</name>"), 0u);
    EXPECT_EQ(count(document(false), "<name>Leituras</name>"), 1u);
    EXPECT_EQ(speFolders.at("<name>Visadas</name>").size(), 4u);
}

TEST_F(KmlDocument, SouthernLatitudeTurnsTheShownZoneNegative) {
    s_->header.utmZone = 23;
    addStation(1, "N", 500000.0, 7760143.36, 0.0);  // read in the north: positive zone, false northing 0
    addStation(2, "EQ", 500000.0, -1000.0, 0.0);    // below the equator
    addStation(3, "S", 656672.34, 7760143.36, 0.0);  // now read in the south
    const Lines doc = document();
    EXPECT_EQ(count(doc, "Coordenadas UTM Zona  23:"), 1u);
    EXPECT_EQ(count(doc, "Coordenadas UTM Zona -23:"), 2u);
    EXPECT_EQ(count(doc, "<coordinates>-43.5000000176,-20.2499999706,0.00</coordinates>"), 1u);
}

TEST_F(KmlDocument, BadIndicesAndLineCountsStayInsideTheTables) {
    s_->header.utmZone = -23;
    addStation(1, "P1", 656672.34, 7760143.36, 812.3);
    addStation(kCapacity, "LAST", 656672.34, 7760143.36, 812.3);
    const int broken = addLine(1, 2, 0.0, 5.0, 1.0);
    s_->shots.resolved[broken] = kCapacity + 7;
    s_->shots.base[broken] = -3;
    s_->shots.ldb[broken] = 1.0;
    s_->lineCount = kCapacity + 50;
    const auto folders = placemarksByFolder(document());
    EXPECT_EQ(folders.at("<name>Bases</name>"), (Lines{"<name>P1</name>", "<name>LAST</name>"}));
    EXPECT_EQ(folders.count("<name>Visadas</name>"), 0u);
    EXPECT_EQ(folders.count("<name>Leituras</name>"), 0u);
}

}  // namespace
}  // namespace mirval
