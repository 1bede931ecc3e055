#pragma once
// The survey data store: the one set of tables a run keeps everything in, owned by
// the driver and handed down. Tables hold 10000 rows indexed from 1 (entry 0 is unused).
#include <array>
#include <memory>

#include "store/statistics.hpp"
#include "text/fixed_text.hpp"

namespace mirval {

inline constexpr int kCapacity = 10000;
// Rows and stations get their initial values a chunk at a time, when first used.
inline constexpr int kChunk = 256;
inline constexpr int kChunks = kCapacity / kChunk + 1;
inline constexpr int kFirstDuplicateStation = 5001;

// Whether `i` indexes an entry of a table (entry 0 is never a station).
inline bool isStationIndex(int i) { return i >= 1 && i <= kCapacity; }

template <class T>
using Table = std::array<T, kCapacity + 1>;

// Single-precision constants of the program, held as doubles.
inline constexpr double kPi = 3.1415927410125732;
inline constexpr double kPresent = 0.0010000000474974513;   // 0.001: a value above it was measured
inline constexpr double kAbsent = -0.0010000000474974513;   // -0.001: at or below it nothing was
inline constexpr double kGuard = 9.999999747378752e-06;     // 0.00001
inline constexpr double kSymbolSize = 0.6000000238418579;   // 0.6: label heights and symbol sizes

struct SurveyHeader {
    LongText caveName;
    LongText municipality;
    LongText team;
    FixedText<2> day;
    FixedText<2> month;
    FixedText<4> year;
    double declination = 0;
    int scale = 1;
    int initialStation = 1;
    double x0 = 0, y0 = 0, z0 = 0;
    double htini = 0;
    int utmZone = 0;
};

struct StationTable {
    Table<Name> name;
    Table<int> known;
    Table<double> x, y, z;
    Table<double> ht;     // ceiling height above the station; -1 when none
    Table<double> zteto;  // ceiling elevation; -1 when none
};

// X, Y, Z of one wall point per row.
struct WallPoints {
    Table<double> x, y, z;
};

struct ShotTable {
    Table<int> base, sighted;
    Table<double> di, az;
    Table<double> des;   // height difference base to sighted (held where AC was read)
    Table<double> dhor;  // horizontal distance
    Table<double> hcb, htb, ldb, leb, htv, ldv, lev, hcv;
    Table<LongText> comment;
    // the one-letter columns of SPE records
    Table<char> ceilingKind, distanceKind, bearingPrefix, bearingSuffix, verticalKind;
    Table<int> resolved, reference, equivalent;
    Table<double> dic, inc;
    WallPoints ldbPoint, lebPoint, ldvPoint, levPoint;
};

// What the reader found out about the survey's format; the rest of the run asks
// these instead of the input file's type.
enum class SurveyFormat {
    Spreadsheet,  // the spreadsheet text format in any column order
    LegacySpe,    // fixed-column records: own listing layout, no base ceiling, no wall readings
};

struct SurveyFacts {
    SurveyFormat format = SurveyFormat::Spreadsheet;
    bool hasWallReadings = true;
};

// Where the survey's values stand in its file, for the messages that name a line.
struct SourceLines {
    int declination = 0;
    int initialBase = 0;
    Table<int> row{};  // the line of each row; a closure row has its closing line's
};

struct Store {
    SurveyFacts facts;
    SourceLines lines;
    SurveyHeader header;
    StationTable stations;
    ShotTable shots;
    int lineCount = 0;       // rows in the shot table, closure rows included
    int inputLineCount = 0;  // rows read from the input
    int stationCount = 0;
    double ceilingTolerance = 10.0;
    Table<int> unresolved;  // numbers of the lines the reduction could not reach, in row order
    int unresolvedCount = 0;
    SurveyStatistics statistics;  // the cave's extent, worked out after the reduction
    int exchangeZone = 0;         // the UTM zone the KML conversions leave: Therion and Compass print it
    // The turn every azimuth gets, in degrees, from the azimuths as read to the
    // grid of the coordinates: the header's declination unless the run sets another.
    double azimuthCorrection = 0;
    // How the run worked the correction out, when it did (the listings and the
    // console log say so in one line); blank for the header's declination.
    LongText azimuthNote;
    // The stations stand where the least-squares adjustment of the network put
    // them, not where dead reckoning did; the listings say so.
    bool networkAdjusted = false;
    // Chunks of rows and of stations that hold their initial values (see newStore).
    std::array<bool, kChunks> preparedRows, preparedStations;
};

// Every table to its initial value.
void initialiseStore(Store& s);

struct FreeStore {
    void operator()(Store* s) const;
};
using StorePtr = std::unique_ptr<Store, FreeStore>;

// A store for a run, every value initial, in memory the system hands out
// untouched: a row or a station gets its initial values when it first comes
// into use (prepareRow, prepareStation), so a run touches only the pages its
// survey needs. Until then a table reads 0 (blank names read as zero bytes:
// only prepared stations are looked up by name).
StorePtr newStore();

// A second store holding what `s` holds.
StorePtr copyOfStore(const Store& s);

// Gives the chunk of row `row` (of station `station`) its initial values, when
// it has not got them yet. Whatever adds a row or names a station calls them first.
void prepareRow(Store& s, int row);
void prepareStation(Store& s, int station);

}  // namespace mirval
