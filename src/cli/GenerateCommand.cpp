#include <charconv>

#include "Commands.h"
#include "Trktool.h"
#include "model/TrackGenerator.h"

namespace trktool {

namespace {

bool ParseInt(const std::string& text, int lo, int hi, int& value) {
    int v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || v < lo || v > hi)
        return false;
    value = v;
    return true;
}

constexpr const char* GenerateUsage =
    "usage: trktool generate OUT [--lanes 3|4] [--length N] [--polygons P] [--name TEXT]";

int Bad(std::ostream& err, const std::string& message) {
    err << "trktool: " << message << "\n"
        << "trktool: " << GenerateUsage << "\n";
    return ExitError;
}

} // namespace

int Generate(const Args& args, std::ostream&, std::ostream& err) {
    std::string out;
    std::string name = "Generated Circuit";
    int lanes = 3, length = 60, polygons = 20;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--name") {
            if (i + 1 >= args.size())
                return Bad(err, a + " needs a value");
            name = args[++i];
        } else if (a == "--lanes" || a == "--length" || a == "--polygons") {
            if (i + 1 >= args.size())
                return Bad(err, a + " needs a value");
            const std::string& v = args[++i];
            const bool ok = a == "--lanes"    ? ParseInt(v, 3, 4, lanes)
                            : a == "--length" ? ParseInt(v, 16, 999, length)
                                              : ParseInt(v, 0, 100000, polygons);
            if (!ok)
                return Bad(err, "bad value for " + a + ": \"" + v + "\"");
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
    td::Track track = td::GenerateTrack(td::OptionsForLength(lanes, length, polygons));
    track.Info.Name = name;
    track.Info.Description =
        std::to_string(lanes) + " lanes of " + std::to_string(length) + " spaces";
    track.Info.Author = "trktool generate";
    return Save(track, out, err) ? ExitOk : ExitError;
}

} // namespace trktool
