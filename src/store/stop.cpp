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

std::vector<std::string> openFailureMessage(std::string_view lead, std::string_view fileName) {
    return {"", std::string(lead) + echoedFileName(fileName),
            "VERIFIQUE SE NÃO ESTÁ ABERTO EM                      ALGUM OUTRO PROGRAMA", ""};
}

namespace {

[[noreturn]] void stopOnSystemFailure(std::vector<std::string> messages) {
    RunStop stop(1, std::move(messages));
    stop.leavesNoFile = true;
    throw stop;
}

}  // namespace

void stopOnOpenFailure(std::string_view lead, std::string_view fileName) {
    stopOnSystemFailure(openFailureMessage(lead, fileName));
}

void stopOnWriteFailure(std::string_view fileName) {
    stopOnSystemFailure({"", "PROBLEMA DE GRAVAÇÃO NO ARQUIVO " + echoedFileName(fileName),
                         "VERIFIQUE SE HÁ ESPAÇO LIVRE NO DISCO E SE O ARQUIVO PODE SER GRAVADO", ""});
}

void stopOnReplaceFailure(std::string_view fileName) {
    stopOnSystemFailure({"", "PROBLEMA DE SUBSTITUIÇÃO DO ARQUIVO " + echoedFileName(fileName),
                         "ELE PODE ESTAR ABERTO EM OUTRO PROGRAMA: FECHE-O E PROCESSE DE NOVO", ""});
}

}  // namespace mirval
