#include <charconv>

#include "Commands.h"
#include "Trktool.h"
#include "model/Templates.h"
#include "model/TrackCheck.h"
#include "model/TrackFile.h"
#include "model/TrackStats.h"

namespace trktool {

bool LoadWhole(td::Track& track, const std::string& path, std::ostream& err) {
    const td::LoadResult r = td::LoadTrack(track, path);
    if (!r.opened) {
        err << "trktool: cannot read " << path << ": " << r.reason << "\n";
        return false;
    }
    if (!r.complete) {
        err << "trktool: " << path << ": line " << r.line << ": reading stopped: " << r.reason
            << "\n";
        return false;
    }
    // Most likely a damaged space line: written back, the damage would stay.
    if (r.numberLikeLaneLine != 0) {
        err << "trktool: " << path << ": line " << r.numberLikeLaneLine
            << ": a lane name the game reads as a number (a damaged space line?)\n";
        return false;
    }
    return true;
}

bool Save(td::Track& track, const std::string& path, std::ostream& err) {
    const td::SaveResult r = td::SaveTrack(track, path);
    if (!r.ok)
        err << "trktool: cannot write " << path << ": " << r.error << "\n";
    return r.ok;
}

int NewTemplate(int lanes, const std::string& out, std::ostream& err) {
    td::Track track;
    td::Selection sel;
    td::BuildNewTrack3(track, sel);
    if (lanes == 4)
        td::ConvertToFourLanes(track);
    return Save(track, out, err) ? ExitOk : ExitError;
}

int Resave(const std::string& in, const std::string& out, std::ostream& err) {
    // A track that does not read to its end is not written again: the part
    // that could not be read would be lost.
    td::Track track;
    if (!LoadWhole(track, in, err))
        return ExitError;
    return Save(track, out, err) ? ExitOk : ExitError;
}

int Info(const std::string& in, std::ostream& out, std::ostream& err) {
    td::Track track;
    const td::LoadResult r = td::LoadTrack(track, in);
    if (!r.opened) {
        err << "trktool: cannot read " << in << ": " << r.reason << "\n";
        return ExitError;
    }
    if (!r.complete)
        err << "trktool: " << in << ": line " << r.line << ": reading stopped: " << r.reason
            << "; showing what was read\n";
    const td::TrackInfo& info = track.Info;
    out << "Track Name: " << info.Name << "\n"
        << "Description: " << info.Description << "\n"
        << "Location: " << info.Location << "\n"
        << "Track Version: " << info.Version << "\n"
        << "Build Date: " << info.BuildDate << "\n"
        << "Build Time: " << info.BuildTime << "\n"
        << "Track Author: " << info.Author << "\n"
        << "Built with Track Designer version: " << info.DesignerVersion << "\n"
        << "Rainy (Max): " << info.RainyMax << "\n"
        << "Changeable (Max): " << info.ChangeableMax << "\n";
    for (const std::string& row : td::TrackStatsRows(td::ComputeTrackStats(track)))
        out << row << "\n";
    PrintLaps(track, out);
    return ExitOk;
}

int Check(const std::string& in, std::ostream& out, std::ostream& err) {
    td::Track track;
    const td::LoadResult r = td::LoadTrack(track, in);
    if (!r.opened) {
        err << "trktool: cannot read " << in << ": " << r.reason << "\n";
        return ExitError;
    }
    std::vector<std::string> problems;
    if (!r.complete)
        problems.push_back("line " + std::to_string(r.line) + ": reading stopped: " + r.reason);
    for (std::string& p : td::CheckTrack(track))
        problems.push_back(std::move(p));
    for (const std::string& p : problems)
        out << in << ": " << p << "\n";
    return problems.empty() ? ExitOk : ExitProblems;
}

bool ParseCount(const std::string& text, int lo, int hi, int& value) {
    int v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || v < lo || v > hi)
        return false;
    value = v;
    return true;
}

} // namespace trktool
