// The stops of a run and their messages.
#include "store/stop.hpp"

namespace mirval {

namespace {
constexpr std::size_t kEchoWidth = 256;
}

void failWith(std::string_view message) { throw RunStop(1, {std::string(message)}); }

void stopTooManyLines() { failWith("NUMERO DE LINHAS EXCEDE O LIMITE DE 10000."); }

void stopTooManyStations() { failWith("NUMERO DE ESTACOES EXCEDE O LIMITE DE 10000."); }

std::string echoedFileName(std::string_view fileName) {
    std::string echoed(fileName);
    if (echoed.size() < kEchoWidth) echoed.resize(kEchoWidth, ' ');
    return echoed;
}

void stopOnOpenFailure(std::string_view lead, std::string_view fileName) {
    throw RunStop(1, {"", std::string(lead) + echoedFileName(fileName),
                      "VERIFIQUE SE NÃO ESTÁ ABERTO EM                      ALGUM OUTRO PROGRAMA", ""});
}

void stopOnWriteFailure(std::string_view fileName) {
    throw RunStop(1, {"", "PROBLEMA DE GRAVAÇÃO NO ARQUIVO " + echoedFileName(fileName),
                      "VERIFIQUE SE HÁ ESPAÇO LIVRE NO DISCO E SE O ARQUIVO PODE SER GRAVADO", ""});
}

}  // namespace mirval
