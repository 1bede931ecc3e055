// PERFGRU's work for one profile file: reading, calculation and the console report.
#include "app/profile_pass.hpp"

#include "analyses/profile_calculator.hpp"
#include "readers/profile_reader.hpp"
#include "store/stop.hpp"

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

}  // namespace mirval
