#include "Trktool.h"

#include "Commands.h"
#include "RenderCommand.h"
#include "Version.h"

namespace trktool {

namespace {

constexpr const char* Usage =
    "usage: trktool COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  new3 OUT                 write the 3-lane template track\n"
    "  new4 OUT                 write the 4-lane template track\n"
    "  resave IN OUT            read a track and write it again\n"
    "  info IN                  show the track information and counts\n"
    "  check IN                 list every problem of a track (exit 1 when there are any)\n"
    "  segments IN OUT          number the straights and corners\n"
    "  autotag IN OUT           link the straights and the pit boxes with the garages\n"
    "  autotag --corners [--all] IN OUT\n"
    "                           link the corner spaces across lanes as their arrows allow\n"
    "                           (--all: every corner space both ways)\n"
    "  grid normal|tight IN OUT build the starting grid from its first two places\n"
    "  center IN OUT            move the track to the middle of the world\n"
    "  outline IN OUT           add the outline polygons of the track's lanes\n"
    "  measure IN OUT           set the longest and shortest path of every corner\n"
    "  moves IN SPACE N         list the spaces N moves reach from SPACE (lane * 1000 + index)\n"
    "  generate OUT [--lanes 3|4] [--length N] [--polygons P] [--name TEXT] [--layout TEXT]\n"
    "                           build a complete closed track; a layout lists straights\n"
    "                           and arcs in spaces: \"S12 R3:90 S6 L4:50 ...\" (R right, L left)\n"
    "  import IN OUT [--lanes 3|4] [--length N] [--reverse] [--name TEXT]\n"
    "                           build a track from a circuit's centre line (GeoJSON, GPX, KML)\n"
    "  render IN OUT.png [--size WxH] [--zoom Z] [--wireframe] [--detail 1-4]\n"
    "                           draw a track into a PNG image\n"
    "  --help                   show this text\n"
    "  --version                show the version\n";

int UsageError(std::ostream& err, const std::string& message) {
    err << "trktool: " << message << "\n";
    err << "Try 'trktool --help'.\n";
    return ExitError;
}

bool Expect(const Args& args, size_t words, const char* form, std::ostream& err, int& code) {
    if (args.size() == words)
        return true;
    code = UsageError(err, std::string("usage: trktool ") + form);
    return false;
}

} // namespace

int RunTrktool(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return UsageError(err, "no command given");
    const std::string& cmd = args[0];
    int code = ExitError;
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        out << Usage;
        return ExitOk;
    }
    if (cmd == "--version") {
        out << "trktool " << TD_VERSION_STRING << "\n";
        return ExitOk;
    }
    if (cmd == "new3" || cmd == "new4") {
        if (!Expect(args, 2, cmd == "new3" ? "new3 OUT" : "new4 OUT", err, code))
            return code;
        return NewTemplate(cmd == "new3" ? 3 : 4, args[1], err);
    }
    if (cmd == "resave") {
        if (!Expect(args, 3, "resave IN OUT", err, code))
            return code;
        return Resave(args[1], args[2], err);
    }
    if (cmd == "info") {
        if (!Expect(args, 2, "info IN", err, code))
            return code;
        return Info(args[1], out, err);
    }
    if (cmd == "check") {
        if (!Expect(args, 2, "check IN", err, code))
            return code;
        return Check(args[1], out, err);
    }
    if (cmd == "autotag" && args.size() > 1 && args[1] == "--corners")
        return AutoTagCornersCommand(args, out, err);
    if (cmd == "segments" || cmd == "autotag" || cmd == "center") {
        const std::string form = cmd + " IN OUT";
        if (!Expect(args, 3, form.c_str(), err, code))
            return code;
        if (cmd == "segments")
            return Segments(args[1], args[2], out, err);
        if (cmd == "autotag")
            return AutoTag(args[1], args[2], out, err);
        return Center(args[1], args[2], out, err);
    }
    if (cmd == "grid") {
        if (!Expect(args, 4, "grid normal|tight IN OUT", err, code))
            return code;
        if (args[1] != "normal" && args[1] != "tight")
            return UsageError(err, "grid takes \"normal\" or \"tight\", not \"" + args[1] + "\"");
        return Grid(args[1] == "tight", args[2], args[3], out, err);
    }
    if (cmd == "measure") {
        if (!Expect(args, 3, "measure IN OUT", err, code))
            return code;
        return Measure(args[1], args[2], out, err);
    }
    if (cmd == "moves") {
        if (!Expect(args, 4, "moves IN SPACE N", err, code))
            return code;
        return Moves(args[1], args[2], args[3], out, err);
    }
    if (cmd == "generate")
        return Generate(Args(args.begin() + 1, args.end()), out, err);
    if (cmd == "outline")
        return Outline(Args(args.begin() + 1, args.end()), err);
    if (cmd == "import")
        return Import(Args(args.begin() + 1, args.end()), out, err);
    if (cmd == "render")
        return RunRenderCommand(Args(args.begin() + 1, args.end()));
    return UsageError(err, "unknown command \"" + cmd + "\"");
}

} // namespace trktool
