// trktool outline IN OUT: the "Create Outline Polys" tool on a track file.

#include "Commands.h"
#include "Trktool.h"
#include "model/Selection.h"
#include "tools/OutlinePolys.h"

namespace trktool {

int Outline(const Args& args, std::ostream& err) {
    if (args.size() != 2) {
        err << "trktool: usage: trktool outline IN OUT\n";
        return ExitError;
    }
    td::Track track;
    if (!LoadWhole(track, args[0], err))
        return ExitError;
    td::Selection sel;
    td::CreateOutlinePolys(track, sel);
    return Save(track, args[1], err) ? ExitOk : ExitError;
}

} // namespace trktool
