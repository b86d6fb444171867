// The commands that follow the cars: where N moves lead from a space, and
// the laps that trktool info adds to its counts.

#include <charconv>

#include "Commands.h"
#include "Trktool.h"
#include "model/LaneRoles.h"
#include "model/Laps.h"
#include "model/Moves.h"

namespace trktool {

namespace {

// The move counts trktool takes: enough for several laps of any track.
constexpr int MaxMoves = 10000;

std::string MovesText(int n) {
    return std::to_string(n) + (n == 1 ? " move" : " moves");
}

bool WholeNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end;
}

} // namespace

int Moves(const std::string& in, const std::string& space, const std::string& count,
          std::ostream& out, std::ostream& err) {
    int ref = 0, moves = 0;
    if (!WholeNumber(space, ref) || ref < 0 || ref > 32767) {
        err << "trktool: moves: \"" << space
            << "\" is no space reference (lane * 1000 + space index)\n";
        return ExitError;
    }
    if (!WholeNumber(count, moves) || moves < 1 || moves > MaxMoves) {
        err << "trktool: moves: the number of moves must be a whole number from 1 to " << MaxMoves
            << ", not \"" << count << "\"\n";
        return ExitError;
    }
    td::Track track;
    if (!LoadWhole(track, in, err))
        return ExitError;
    const auto from = static_cast<td::SpaceRef>(ref);
    if (!track.Find(from)) {
        err << "trktool: moves: " << in << " has no space " << ref << " (lane " << td::RefLane(from)
            << ", space " << td::RefIndex(from) << ")\n";
        return ExitError;
    }
    for (td::SpaceRef r : td::ReachInMoves(track, from, moves).Exactly)
        out << r << "\n";
    return ExitOk;
}

void PrintLaps(const td::Track& track, std::ostream& out) {
    const td::LaneRoles roles = td::FindLaneRoles(track);
    for (int lane = roles.FirstRacing; lane <= roles.LastRacing && track.ValidLane(lane); ++lane) {
        const td::Lane& l = track.Lanes[static_cast<size_t>(lane)];
        out << l.Name << " Lap: " << MovesText(static_cast<int>(l.Spaces.size())) << "\n";
    }
    const auto shortest = td::ShortestLap(track);
    out << "Shortest Lap: " << (shortest ? MovesText(*shortest) : "none") << "\n";
}

} // namespace trktool
