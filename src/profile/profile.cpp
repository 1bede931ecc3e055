#include "profile/profile.hpp"

#include <memory>
#include <string>

#include "core/output_names.hpp"
#include "platform/platform.hpp"
#include "profile/calculator.hpp"
#include "profile/drawing.hpp"
#include "profile/prompt.hpp"
#include "profile/reader.hpp"

namespace mirval {

namespace {

// The tables of one pass, built afresh each time.
struct ProfilePass {
    ProfileChain chain;
    ProfileValues values;
};

void reportPass(const LongText& profileFile, const LongText& inputFile, const LongText& drawingName,
                const ProfileChain& chain) {
    LineSink& log = consoleLog();
    log.line("Processando o arquivo de perfil retificado: ");
    log.line(profileFile.full());
    log.line("do arquivo de gruta: ");
    log.line(inputFile.full());
    log.line("gerando o arquivo DXF: ");
    log.line(drawingName.full());
    log.emptyLine();
    for (int k = 1; k <= chain.segmentCount; ++k) {
        log.line(std::string(chain.name[chain.from[k]].full()) + " " + std::string(chain.name[chain.to[k]].full()) +
                 " " + std::string(chain.code[k].full()));
    }
    log.emptyLine();
}

}  // namespace

LongText profileDrawingName(const LongText& profileFileName) {
    return LongText(baseName(profileFileName.full()) + ".dxf");
}

void PERFGRU(LongText& profileBuffer, const StationTable& stations, double labelHeight, double symbolSize,
             int stationCount) {
    Store& s = store();
    profileBuffer = s.inputFileName;
    FILTRAPERF();
    if (s.inputFileName == profileBuffer) return;

    const LongText profileFile = s.inputFileName;
    s.inputFileName = profileBuffer;
    const LongText drawingName = profileDrawingName(profileFile);
    profileBuffer = drawingName;

    const auto pass = std::make_unique<ProfilePass>();
    LongText title;
    LERPRR(profileFile, title, pass->chain);
    if (pass->chain.segmentCount == -1) return;
    CALCPRR(pass->chain, stations, stationCount, pass->values);
    WRTDXP(drawingName, labelHeight, symbolSize, pass->values, pass->chain);
    reportPass(profileFile, s.inputFileName, drawingName, pass->chain);
}

}  // namespace mirval
