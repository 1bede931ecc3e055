// LERPRR: the profile file reader.
#include "readers/profile_reader.hpp"

#include <string>
#include <string_view>

#include "readers/free_form.hpp"
#include "store/stop.hpp"

namespace mirval {

namespace {

// Lines passed over between the first value and the title (lines 2 to 4), and
// between the title and the segments (lines 6 to 13).
constexpr int kLinesBeforeTitle = 3;
constexpr int kLinesBeforeSegments = 8;

// A premature end or an unreadable value stops the run.
void readOrStop(ReadOutcome outcome, const std::string& fileName, const FreeFormRecord& record) {
    if (outcome != ReadOutcome::ok) failReading(fileName, record.line());
}

// The next physical line; the end of the file stops the run.
std::string_view nextLineOrStop(LineReader& lines, const std::string& fileName) {
    const auto line = lines.next();
    if (!line) failReading(fileName, lines.lineNumber() + 1);
    return *line;
}

void skipLines(LineReader& lines, int count, const std::string& fileName) {
    for (int i = 0; i < count; ++i) nextLineOrStop(lines, fileName);
}

void reportNotAProfile(LineSink& console) {
    console.emptyLine();
    console.line("O ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.");
    console.emptyLine();
}

// Line 5, echoed at its full 256-byte width.
void echoTitle(LineReader& lines, const std::string& fileName, LineSink& console) {
    skipLines(lines, kLinesBeforeTitle, fileName);
    const LongText title(nextLineOrStop(lines, fileName));
    console.emptyLine();
    console.line(title.full());
    console.emptyLine();
}

// Index of `name` among the names met so far; a new name takes the next free slot.
int profileNameIndex(ProfileChain& chain, const Name& name) {
    for (int i = 1; i <= chain.nameCount; ++i) {
        if (chain.name[i] == name) return i;
    }
    if (chain.nameCount == kCapacity) stopTooManyStations();
    chain.name[++chain.nameCount] = name;
    return chain.nameCount;
}

struct Segment {
    Name from, to;
    SegmentCode code;
};

// The next segment record; false at the end of the file (a record cut short by
// the end of the file is dropped).
bool readSegment(LineReader& lines, const std::string& fileName, Segment& segment) {
    FreeFormRecord record(lines);
    auto read = [&](auto& value) {
        const ReadOutcome outcome = record.text(value);
        if (outcome == ReadOutcome::endOfFile) return false;
        readOrStop(outcome, fileName, record);
        return true;
    };
    const auto readStation = [&](Name& name) {
        if (!read(name)) return false;
        if (holdsControlByte(name.full())) failReading(fileName, record.line());
        return true;
    };
    return readStation(segment.from) && readStation(segment.to) && read(segment.code);
}

void readSegments(LineReader& lines, const std::string& fileName, ProfileChain& chain) {
    skipLines(lines, kLinesBeforeSegments, fileName);
    Segment segment;
    while (readSegment(lines, fileName, segment)) {
        if (chain.segmentCount == kCapacity) stopTooManyLines();
        const int k = ++chain.segmentCount;
        chain.code[k] = segment.code;
        chain.from[k] = profileNameIndex(chain, segment.from);
        chain.to[k] = profileNameIndex(chain, segment.to);
    }
}

}  // namespace

bool isProfileTag(const FixedText<3>& tag) {
    static constexpr std::string_view kTags[] = {"PRR", "prr", "Prr", "pRR", "Prf", "pRF", "PRF", "prf"};
    for (const std::string_view accepted : kTags) {
        if (tag.full() == accepted) return true;
    }
    return false;
}

void LERPRR(const std::string& fileName, ProfileChain& chain, LineSink& console) {
    chain.name.fill(kEmptyProfileName);
    chain.segmentCount = 0;
    chain.nameCount = 0;
    LineReader lines;
    if (!lines.open(fileName)) failReading(fileName, 1);
    FreeFormRecord first(lines);
    FixedText<3> tag;
    readOrStop(first.text(tag), fileName, first);
    if (!isProfileTag(tag)) {
        reportNotAProfile(console);
        chain.segmentCount = -1;
        return;
    }
    echoTitle(lines, fileName, console);
    readSegments(lines, fileName, chain);
}

}  // namespace mirval
