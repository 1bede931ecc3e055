// PERFGRU: one pass of the profile step.
#include "app/profile_pass.hpp"

#include <memory>
#include <optional>

#include "analyses/profile_calculator.hpp"
#include "app/output_names.hpp"
#include "app/run_outputs.hpp"
#include "app/run_windows.hpp"
#include "readers/profile_reader.hpp"
#include "store/stop.hpp"
#include "writers/dxf/profile_drawing.hpp"

namespace mirval {

bool readProfile(const std::string& profileFile, const Store& s, ProfilePass& pass, LineSink& console) {
    LERPRR(profileFile, pass.chain, console);
    if (pass.chain.segmentCount == -1) return false;
    CALCPRR(pass.chain, s.stations, s.stationCount, pass.values);
    return true;
}

void reportProfilePass(const std::string& profileFile, const std::string& surveyFile,
                       const std::string& drawingName, const ProfileChain& chain, LineSink& console) {
    console.line("Processando o arquivo de perfil retificado: ");
    console.line(echoedFileName(profileFile));
    console.line("do arquivo de gruta: ");
    console.line(echoedFileName(surveyFile));
    console.line("gerando o arquivo DXF: ");
    console.line(echoedFileName(drawingName));
    console.emptyLine();
    for (int k = 1; k <= chain.segmentCount; ++k) {
        console.line(std::string(chain.name[chain.from[k]].full()) + " " + std::string(chain.name[chain.to[k]].full()) +
                     " " + std::string(chain.code[k].full()));
    }
    console.emptyLine();
}

bool PERFGRU(Platform& platform, const Store& s, const std::string& surveyFile, RunOutputs& outputs) {
    const std::optional<std::string> profileFile = FILTRAPERF(platform);
    if (!profileFile) return false;
    LineSink& console = platform.console();
    const auto pass = std::make_unique<ProfilePass>();
    if (!readProfile(*profileFile, s, *pass, console)) return true;
    const std::string drawingName = profileDrawingNameOf(*profileFile);
    outputs.claimProfileDrawing(drawingName, *profileFile);
    outputs.write(drawingName, [&](OutputFile& out) { WRTDXP(pass->chain, pass->values, out); });
    reportProfilePass(*profileFile, surveyFile, drawingName, pass->chain, console);
    return true;
}

}  // namespace mirval
