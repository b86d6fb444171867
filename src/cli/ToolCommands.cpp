// The Tools menu commands over track files: what the editor would show in a
// message box goes to stdout, a refusal to stderr with nothing written.

#include "Commands.h"
#include "Trktool.h"
#include "tools/AutoTag.h"
#include "tools/AutoTagCorners.h"
#include "tools/CenterTrack.h"
#include "tools/MeasureCorners.h"
#include "tools/Segments.h"
#include "tools/StartGrid.h"

namespace trktool {

namespace {

// Message texts break lines with CR LF; a terminal wants LF.
std::string PlainLines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

template <typename Tool>
int RunTool(const std::string& in, const std::string& outPath, std::ostream& out, std::ostream& err,
            Tool tool) {
    td::Track track;
    if (!LoadWhole(track, in, err))
        return ExitError;
    const td::ToolResult r = tool(track);
    if (r.refused) {
        err << "trktool: " << r.message.title << ": " << PlainLines(r.message.text) << "\n";
        return ExitProblems;
    }
    if (!Save(track, outPath, err))
        return ExitError;
    if (!r.message.Empty())
        out << PlainLines(r.message.text) << "\n";
    return ExitOk;
}

} // namespace

int Segments(const std::string& in, const std::string& outPath, std::ostream& out,
             std::ostream& err) {
    return RunTool(in, outPath, out, err, [](td::Track& t) { return td::AssignSegments(t); });
}

int AutoTag(const std::string& in, const std::string& outPath, std::ostream& out,
            std::ostream& err) {
    return RunTool(in, outPath, out, err, [](td::Track& t) { return td::AutoTagSpaces(t); });
}

int AutoTagCornersCommand(const Args& args, std::ostream& out, std::ostream& err) {
    // args: --corners [--all] IN OUT
    const bool all = args.size() == 5 && args[2] == "--all";
    if (args.size() != (all ? 5u : 4u)) {
        err << "trktool: usage: trktool autotag --corners [--all] IN OUT\n";
        err << "Try 'trktool --help'.\n";
        return ExitError;
    }
    const auto arrows = all ? td::CornerArrows::Ignore : td::CornerArrows::Honour;
    return RunTool(args[args.size() - 2], args.back(), out, err, [arrows](td::Track& t) {
        td::ToolResult r;
        r.changed = td::AutoTagCorners(t, arrows);
        r.message = td::AutoTagCornersDone(r.changed);
        return r;
    });
}

int Grid(bool tight, const std::string& in, const std::string& outPath, std::ostream& out,
         std::ostream& err) {
    const int step = tight ? td::TightGridStep : td::NormalGridStep;
    return RunTool(in, outPath, out, err,
                   [step](td::Track& t) { return td::CreateStartGrid(t, step); });
}

int Center(const std::string& in, const std::string& outPath, std::ostream& out,
           std::ostream& err) {
    return RunTool(in, outPath, out, err, [](td::Track& t) { return td::CenterTrack(t); });
}

int Measure(const std::string& in, const std::string& outPath, std::ostream& out,
            std::ostream& err) {
    return RunTool(in, outPath, out, err, [](td::Track& t) { return td::MeasureCorners(t); });
}

} // namespace trktool
