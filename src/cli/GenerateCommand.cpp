#include "Commands.h"
#include "Trktool.h"
#include "tools/TrackGenerator.h"

namespace trktool {

namespace {

constexpr const char* GenerateUsage = "usage: trktool generate OUT [--lanes 3|4] [--length N] "
                                      "[--polygons P] [--name TEXT] [--layout TEXT]";

int Bad(std::ostream& err, const std::string& message) {
    err << "trktool: " << message << "\n"
        << "trktool: " << GenerateUsage << "\n";
    return ExitError;
}

} // namespace

int Generate(const Args& args, std::ostream&, std::ostream& err) {
    std::string out;
    std::string name = "Generated Circuit";
    std::string layoutText;
    int lanes = 3, length = 120, polygons = 40;
    bool lengthGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--name" || a == "--layout") {
            if (i + 1 >= args.size())
                return Bad(err, a + " needs a value");
            (a == "--name" ? name : layoutText) = args[++i];
        } else if (a == "--lanes" || a == "--length" || a == "--polygons") {
            if (i + 1 >= args.size())
                return Bad(err, a + " needs a value");
            const std::string& v = args[++i];
            const bool ok = a == "--lanes"    ? ParseCount(v, 3, 4, lanes)
                            : a == "--length" ? ParseCount(v, 50, 999, length)
                                              : ParseCount(v, 0, 100000, polygons);
            if (!ok)
                return Bad(err, "bad value for " + a + ": \"" + v + "\"");
            lengthGiven = lengthGiven || a == "--length";
        } else if (!a.empty() && a[0] == '-') {
            return Bad(err, "unknown option \"" + a + "\"");
        } else if (out.empty()) {
            out = a;
        } else {
            return Bad(err, "more than one output file");
        }
    }
    if (out.empty())
        return Bad(err, "no output file");
    td::GeneratorOptions options = td::OptionsForLength(lanes, length, polygons);
    if (!layoutText.empty()) {
        // A layout of its own is taken at its size unless a length is asked for.
        td::TrackLayout layout;
        std::string error;
        if (!td::ParseLayout(layoutText, layout, error))
            return Bad(err, "bad layout: " + error);
        if (!td::CloseLayout(layout, error))
            return Bad(err, "bad layout: " + error);
        if (lengthGiven)
            layout = td::FitLayout(layout, lanes, length);
        options.Layout = layout;
        options.PitLength = td::PitLengthFor(layout);
    }
    td::Track track = td::GenerateTrack(options);
    track.Info.Name = name;
    track.Info.Description = std::to_string(lanes) + " lanes of " +
                             std::to_string(track.Lanes[0].Spaces.size()) + " spaces";
    track.Info.Author = "trktool generate";
    return Save(track, out, err) ? ExitOk : ExitError;
}

} // namespace trktool
