#include "core/stop.hpp"

#include "platform/platform.hpp"

namespace mirval {

namespace {

[[noreturn]] void reportOpenFailure(std::string_view lead, const LongText& name) {
    LineSink& log = consoleLog();
    log.emptyLine();
    log.line(std::string(lead) + std::string(name.full()));
    log.line("VERIFIQUE SE NÃO ESTÁ ABERTO EM                      ALGUM OUTRO PROGRAMA");
    log.emptyLine();
    failureStop();
}

}  // namespace

void failureStop() { throw RunStop(1); }

void failWith(std::string_view message) {
    consoleLog().line(message);
    failureStop();
}

void openOrStop(OutputFile& file, const LongText& name) {
    if (!file.open(std::string(name.trimmed()))) reportOpenFailure("PROBLEMA DE ABERTURA NO ARQUIVO ", name);
}

void openListingOrStop(OutputFile& file, const LongText& name) {
    if (!file.open(std::string(name.trimmed()))) stopOnListingOpenFailure(name);
}

void stopOnListingOpenFailure(const LongText& name) { reportOpenFailure("PROBLEMA DE ABERTURA DE ARQUIVO.", name); }

}  // namespace mirval
