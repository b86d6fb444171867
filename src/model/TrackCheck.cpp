#include "model/TrackCheck.h"

#include <charconv>
#include <cmath>
#include <map>
#include <set>

#include "model/LaneRoles.h"
#include "model/ProblemText.h"
#include "model/RaceCheck.h"
#include "model/SpaceGeometry.h"

namespace td {

namespace {

// Start positions a race needs.
constexpr int GridPlaces = 20;

// True when a reader of the file would take the start of the line for a number.
bool ReadsAsNumber(const std::string& name) {
    size_t i = name.find_first_not_of(" \t");
    if (i == std::string::npos)
        return false;
    double v = 0;
    const char* first = name.data() + i;
    if (*first == '+')
        ++first;
    return std::from_chars(first, name.data() + name.size(), v).ec == std::errc();
}

class Checker {
  public:
    explicit Checker(const Track& t) : t_(t), roles_(FindLaneRoles(t)) {}

    std::vector<TrackProblem> Run() {
        CheckLaneNames();
        CheckSpaces();
        CheckUniqueSymbols();
        CheckTeams();
        CheckGrid();
        CheckCorners();
        CheckPitLane();
        FindRaceProblems(t_, out_);
        return std::move(out_);
    }

  private:
    void Add(std::string text, int lane = -1, int space = -1) {
        out_.push_back(TrackProblem{std::move(text), lane, space});
    }

    void CheckLaneNames() {
        if (roles_.Pit < 0)
            Add("no lane is named \"Pit\"");
        if (roles_.Garages < 0)
            Add("no lane is named \"Garages\"");

        std::map<std::string, int> names;
        for (const Lane& lane : t_.Lanes)
            ++names[lane.Name];
        for (const auto& [name, count] : names)
            if (count > 1)
                Add("lane name " + Quoted(name) + " is used by " + std::to_string(count) +
                    " lanes");

        for (size_t li = 0; li < t_.Lanes.size(); ++li) {
            const std::string& name = t_.Lanes[li].Name;
            const int lane = static_cast<int>(li);
            if (name.empty())
                Add(LaneText(t_, li) + " has no name; the game reads the next line as its name",
                    lane, 0);
            else if (name == "Corners")
                Add(LaneText(t_, li) + " is named like the \"Corners\" keyword; the game ends "
                                       "the lanes there", lane, 0);
            else if (name[0] == ';')
                Add(LaneText(t_, li) + " has a name starting with \";\"; the game skips it as "
                                       "a comment", lane, 0);
            else if (ReadsAsNumber(name))
                Add(LaneText(t_, li) + " has a name the game reads as a number", lane, 0);
        }

        // References reach lanes 0..32 only (32767 is lane 32, space 767).
        if (t_.Lanes.size() > 33)
            Add("the track has " + std::to_string(t_.Lanes.size()) +
                " lanes; spaces of lanes after lane 32 cannot be referred to");
    }

    void CheckLink(int lane, int index, const std::string& where, const char* field,
                   SpaceRef r) {
        if (r == NoSpace)
            return;
        if (r < 0) {
            Add(where + ": " + field + " is " + std::to_string(r) + ", which is no reference",
                lane, index);
        } else if (!t_.Find(r)) {
            Add(where + ": " + field + " names a missing space " + RefText(r), lane, index);
        } else if (RefLane(r) != lane && roles_.Pit >= 0 && roles_.Garages >= 0 &&
                   !LanesAreNeighbours(roles_, lane, RefLane(r)) && HasRole(lane) &&
                   HasRole(RefLane(r))) {
            Add(where + ": " + field + " links to " + LaneText(t_, RefLane(r)) +
                    ", which is not a neighbouring lane",
                lane, index);
        }
    }

    bool HasRole(int lane) const {
        return roles_.IsRacing(lane) || lane == roles_.Pit || lane == roles_.Garages;
    }

    bool LeadsSomewhere(const Space& s) const {
        for (SpaceRef r : s.Nxt)
            if (r != NoSpace && t_.Find(r))
                return true;
        if (s.Symbol == Sym::ArrowHeavy)
            for (size_t k = 2; k < 4; ++k)
                if (s.Adj[k] != NoSpace && t_.Find(s.Adj[k]))
                    return true;
        return false;
    }

    void CheckSpaces() {
        static const char* const nxt[2] = {"Nxt(0)", "Nxt(1)"};
        static const char* const adj[4] = {"Adj(0)", "Adj(1)", "Adj(2)", "Adj(3)"};
        for (size_t li = 0; li < t_.Lanes.size(); ++li) {
            const Lane& ln = t_.Lanes[li];
            const int lane = static_cast<int>(li);
            if (ln.Spaces.size() > static_cast<size_t>(MaxLaneSpaces))
                Add(LaneText(t_, li) + " has " + std::to_string(ln.Spaces.size()) +
                        " spaces; its spaces past 999 cannot be referred to by a link",
                    lane, MaxLaneSpaces);
            const bool racing = roles_.IsRacing(lane);
            const bool closed = LaneIsClosed(ln);
            for (size_t si = 0; si < ln.Spaces.size(); ++si) {
                const Space& s = ln.Spaces[si];
                const int index = static_cast<int>(si);
                const std::string where = Where(t_, li, si);
                for (size_t k = 0; k < 2; ++k)
                    CheckLink(lane, index, where, nxt[k], s.Nxt[k]);
                for (size_t k = 0; k < 4; ++k)
                    CheckLink(lane, index, where, adj[k], s.Adj[k]);
                if (s.GapPart < 0 || s.GapPart > 4)
                    Add(where + ": unknown gap/partial code " + std::to_string(s.GapPart), lane,
                        index);
                if (!racing)
                    continue;
                if (si + 1 == ln.Spaces.size() && !closed && !LeadsSomewhere(s))
                    Add(where + ": no way forward (the lane ends here and no Next link "
                                "leaves it)",
                        lane, index);
                // A run of spaces with the same fault is reported at its first space.
                const bool runStart = si == 0 || ln.Spaces[si - 1].Segment != s.Segment;
                if (!runStart)
                    continue;
                if (s.Segment < 0)
                    Add(where + ": no segment (segment " + std::to_string(s.Segment) + ")", lane,
                        index);
                else if (s.Segment % 2 == 1 &&
                         static_cast<size_t>(s.Segment / 2) >= t_.Corners.size())
                    Add(where + ": corner segment " + std::to_string(s.Segment) +
                            " has no corner record (corner " + std::to_string(s.Segment / 2) +
                            ")",
                        lane, index);
            }
        }
    }

    void CheckUniqueSymbols() {
        std::map<int, std::pair<int, std::pair<int, int>>> use; // code -> count, first space
        for (size_t li = 0; li < t_.Lanes.size(); ++li)
            for (size_t si = 0; si < t_.Lanes[li].Spaces.size(); ++si) {
                const int sym = t_.Lanes[li].Spaces[si].Symbol;
                if (sym < Sym::PitTeam1 || sym > Sym::GarageTeam1 + 9)
                    continue;
                auto [it, fresh] =
                    use.try_emplace(sym, 0, std::make_pair(static_cast<int>(li), static_cast<int>(si)));
                (void)fresh;
                ++it->second.first;
            }
        for (const auto& [code, entry] : use)
            if (entry.first > 1)
                Add("symbol " + std::to_string(code) + " " +
                        Quoted(std::string(SymbolText(code))) + " is used by " +
                        std::to_string(entry.first) + " spaces",
                    entry.second.first, entry.second.second);
        used_.clear();
        for (const auto& [code, entry] : use)
            used_.insert(code);
    }

    void CheckTeams() {
        for (int team = 1; team <= 10; ++team) {
            if (!used_.count(Sym::PitTeam1 + team - 1))
                Add("team " + std::to_string(team) + " has no pit space (symbol " +
                    std::to_string(Sym::PitTeam1 + team - 1) + ")");
            if (!used_.count(Sym::GarageTeam1 + team - 1))
                Add("team " + std::to_string(team) + " has no garage (symbol " +
                    std::to_string(Sym::GarageTeam1 + team - 1) + ")");
        }
    }

    void CheckGrid() {
        std::set<SpaceRef> places;
        for (int k = 1; k <= GridPlaces; ++k) {
            const SpaceRef r = t_.StartPos[static_cast<size_t>(k)];
            if (r == NoSpace)
                continue;
            if (!t_.Find(r))
                Add("start position " + std::to_string(k) + " names a missing space " +
                    RefText(r));
            else
                places.insert(r);
        }
        if (places.size() < static_cast<size_t>(GridPlaces))
            Add("the starting grid has " + std::to_string(places.size()) +
                " places; a race needs " + std::to_string(GridPlaces));
    }

    void CheckCorners() {
        std::set<int> cornerSegments;
        for (int li = roles_.FirstRacing; li <= roles_.LastRacing && t_.ValidLane(li); ++li)
            for (const Space& s : t_.Lanes[static_cast<size_t>(li)].Spaces)
                if (s.Segment > 0 && s.Segment % 2 == 1)
                    cornerSegments.insert(s.Segment);
        for (size_t c = 0; c < t_.Corners.size(); ++c) {
            const Corner& corner = t_.Corners[c];
            const std::string name = std::string(corner.Name);
            if (name == "Backcolor")
                Add(CornerText(t_, c) + " is named like the \"Backcolor\" keyword; the game "
                                        "ends the corners there");
            else if (!name.empty() && name[0] == ';')
                Add(CornerText(t_, c) + " has a name starting with \";\"; the game skips it "
                                        "as a comment");
            else if (ReadsAsNumber(name))
                Add(CornerText(t_, c) + " has a name the game reads as a number");
            if (!std::isfinite(corner.Vtx[0].x) || !std::isfinite(corner.Vtx[0].y))
                Add(CornerText(t_, c) + " has no flag on the track (its position is no number)");
            const int segment = static_cast<int>(2 * c + 1);
            if (!cornerSegments.count(segment))
                Add(CornerText(t_, c) + " has no flagged spaces: no racing space is in segment " +
                    std::to_string(segment));
        }
    }

    // Cars must be able to drive into the pit lane and out of it again.
    void CheckPitLane() {
        if (!t_.ValidLane(roles_.Pit))
            return; // reported with the lane names
        const auto& pit = t_.Lanes[static_cast<size_t>(roles_.Pit)].Spaces;
        if (pit.empty())
            return;
        auto intoPit = [&](SpaceRef r) { return RefLane(r) == roles_.Pit && t_.Find(r); };
        bool entered = false;
        for (int li = roles_.FirstRacing; li <= roles_.LastRacing && !entered; ++li)
            for (const Space& s : t_.Lanes[static_cast<size_t>(li)].Spaces)
                if (intoPit(s.Nxt[0]) || intoPit(s.Nxt[1]) ||
                    (s.Symbol == Sym::ArrowHeavy && (intoPit(s.Adj[2]) || intoPit(s.Adj[3])))) {
                    entered = true;
                    break;
                }
        if (!entered)
            Add("no racing space has a Next link into the pit lane: cars cannot enter the pits",
                roles_.Pit, 0);
        const size_t exit = pit.size() - 1;
        bool rejoins = false;
        for (SpaceRef r : pit[exit].Nxt)
            rejoins = rejoins || (r != NoSpace && t_.Find(r) && roles_.IsRacing(RefLane(r)));
        if (!rejoins)
            Add(Where(t_, static_cast<size_t>(roles_.Pit), exit) +
                    ": the pit exit has no Next link back to a racing lane",
                roles_.Pit, static_cast<int>(exit));
    }

    const Track& t_;
    LaneRoles roles_;
    std::set<int> used_;
    std::vector<TrackProblem> out_;
};

} // namespace

std::vector<TrackProblem> FindTrackProblems(const Track& track) {
    return Checker(track).Run();
}

std::vector<std::string> CheckTrack(const Track& track) {
    std::vector<std::string> lines;
    for (TrackProblem& p : FindTrackProblems(track))
        lines.push_back(std::move(p.Text));
    return lines;
}

} // namespace td
