#include "core/file_chooser.hpp"

#include "core/store.hpp"
#include "platform/platform.hpp"

namespace mirval {

int SELECT_FILE() {
    FileChooser chooser;
    chooser.title = "select_file File";
    chooser.folder = "c:\\";
    chooser.proposedName = "Modelo Varnisk.txt";
    chooser.mustExist = true;
    chooser.filters = {{"Planilha Exportada", "*.txt"}, {"Formato Varnisk", "*.vrk"},
                       {"Formato ORV", "*.orv"},        {"Formato EEF", "*.eef"},
                       {"Arquivo SPE antigo", "*.SPE"}, {"Todos Arquivos", "*.*"}};
    if (const auto chosen = platform().choose(chooser)) store().inputFileName.assign(*chosen);
    return 0;
}

}  // namespace mirval
