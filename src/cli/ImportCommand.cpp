#include <filesystem>

#include "Commands.h"
#include "Trktool.h"
#include "tools/CircuitImport.h"

namespace trktool {

namespace {

constexpr const char* ImportUsage =
    "usage: trktool import IN OUT [--lanes 3|4] [--length N] [--reverse] [--name TEXT]";

int BadImport(std::ostream& err, const std::string& message) {
    err << "trktool: " << message << "\n"
        << "trktool: " << ImportUsage << "\n";
    return ExitError;
}

} // namespace

int Import(const Args& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    td::CircuitImportOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--reverse") {
            options.Reverse = true;
        } else if (a == "--name" || a == "--lanes" || a == "--length") {
            if (i + 1 >= args.size())
                return BadImport(err, a + " needs a value");
            const std::string& v = args[++i];
            if (a == "--name")
                options.Name = v;
            else if (!(a == "--lanes" ? ParseCount(v, 3, 4, options.Lanes)
                                      : ParseCount(v, 50, 999, options.Length)))
                return BadImport(err, "bad value for " + a + ": \"" + v + "\"");
        } else if (!a.empty() && a[0] == '-') {
            return BadImport(err, "unknown option \"" + a + "\"");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        return BadImport(err, files.size() < 2 ? "an input and an output file are needed"
                                               : "more than two files given");
    td::CircuitImport result = td::ImportCircuitFile(files[0], options);
    if (!result.Ok) {
        err << "trktool: cannot import \"" << files[0] << "\": " << result.Error << "\n";
        return ExitError;
    }
    td::Track& track = result.Result;
    track.Info.Description = "Imported from " + std::filesystem::path(files[0]).filename().string();
    track.Info.Author = "trktool import";
    if (!Save(track, files[1], err))
        return ExitError;
    out << td::ImportSummary(track) << "\n";
    return ExitOk;
}

} // namespace trktool
