#include "commands.h"

namespace vornith::probe {

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"catalog", "catalog                   the catalogue lines, one per line", &runCatalog},
        {"generate", "generate MODULE CODE      statement and solution of one problem",
         &runGenerate},
        {"render", "render [--zoom Z] (--png OUT.png | --printer --pdf OUT.pdf) FILE",
         &runRender},
        {"collection",
         "collection (--new MODULE:TIPO:COUNT[,...] | --open FILE.COL) [--possol N] "
         "[--ordena 0|1] [--title T] [--zoom Z] [--save OUT.COL] [--pdf OUT.pdf] "
         "[--png PAGE OUT.png]",
         &runCollection},
    };
    return all;
}

} // namespace vornith::probe
