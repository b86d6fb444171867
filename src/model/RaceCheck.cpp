#include "model/RaceCheck.h"

#include <charconv>
#include <functional>

#include "model/CornerMeasure.h"
#include "model/LaneRoles.h"
#include "model/Moves.h"
#include "model/ProblemText.h"

namespace td {

namespace {

// Lane positions of links that point backwards by more than a space; a
// little slack for positions written with two decimals.
constexpr float BackwardsBy = 1.001f;

// Light and double arrows mark corners; the heavy arrow counts as straight.
bool IsCornerArrow(int symbol) {
    return symbol >= Sym::ArrowLight && symbol <= Sym::ArrowDoubleRight;
}

std::string Number(float v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

class RaceChecker {
  public:
    RaceChecker(const Track& t, std::vector<TrackProblem>& out)
        : t_(t), roles_(FindLaneRoles(t)), out_(out) {}

    void Run() {
        CheckLaneStarts();
        CheckReach();
        CheckLinkDirections();
        CheckCornerArrows();
        CheckCornerMeasures();
    }

  private:
    void Add(std::string text, int lane = -1, int space = -1) {
        out_.push_back(TrackProblem{std::move(text), lane, space});
    }

    int Count(int lane) const {
        return static_cast<int>(t_.Lanes[static_cast<size_t>(lane)].Spaces.size());
    }

    bool RacingLane(int lane) const { return roles_.IsRacing(lane) && t_.ValidLane(lane); }

    // One problem per run of neighbouring spaces of `lane` for which `what`
    // gives the same text; an empty text is no problem.
    void ReportRuns(int lane, int count, const std::function<std::string(int)>& what) {
        for (int i = 0; i < count;) {
            const std::string text = what(i);
            int end = i + 1;
            while (end < count && what(end) == text)
                ++end;
            if (!text.empty()) {
                const auto l = static_cast<size_t>(lane);
                const std::string where = end - i == 1
                                              ? Where(t_, l, static_cast<size_t>(i))
                                              : LaneText(t_, l) + ", spaces " + std::to_string(i) +
                                                    " to " + std::to_string(end - 1);
                Add(where + ": " + text, lane, i);
            }
            i = end;
        }
    }

    // Assign Segments counts from space 0: a lane that opens with corner
    // arrows gets odd numbers on its straights.
    void CheckLaneStarts() {
        for (int lane = roles_.FirstRacing; RacingLane(lane); ++lane) {
            const auto& spaces = t_.Lanes[static_cast<size_t>(lane)].Spaces;
            if (spaces.size() > 1 && IsCornerArrow(spaces[0].Symbol))
                Add(Where(t_, static_cast<size_t>(lane), 0) +
                        ": the lane starts with corner arrows; Assign Segments would number its "
                        "straights as corners",
                    lane, 0);
        }
    }

    void CheckReach() {
        const int lanes = ReferableLanes(t_);
        // The lap closes at space 0 of every racing lane: that is the line.
        std::vector<SpaceRef> racing, line;
        for (int lane = roles_.FirstRacing; lane <= roles_.LastRacing && lane < lanes; ++lane) {
            if (Count(lane) > 0)
                line.push_back(MakeRef(lane, 0));
            for (int i = 0; i < Count(lane) && i < MaxLaneSpaces; ++i)
                racing.push_back(MakeRef(lane, i));
        }

        const SpaceRef pole = t_.StartPos[1];
        if (t_.Find(pole)) {
            const SpaceSet reached = SpacesReachedFrom(t_, {pole});
            for (int lane = roles_.FirstRacing; lane <= roles_.LastRacing && lane < lanes; ++lane)
                ReportRuns(lane, std::min(Count(lane), MaxLaneSpaces), [&](int i) {
                    return reached[static_cast<size_t>(MakeRef(lane, i))]
                               ? std::string()
                               : "unreachable: no run of moves from the pole position gets "
                                 "there";
                });
        }

        // A trap holds a car that got in: only spaces some racing space leads
        // to count.
        const SpaceSet entered = SpacesReachedFrom(t_, racing);
        const SpaceSet home = SpacesLeadingTo(t_, line);
        for (int lane = 0; lane < lanes; ++lane)
            ReportRuns(lane, std::min(Count(lane), MaxLaneSpaces), [&](int i) {
                const auto r = static_cast<size_t>(MakeRef(lane, i));
                return entered[r] && !home[r]
                           ? "a trap: no run of moves leads from there back to the finish line"
                           : std::string();
            });
    }

    // Lane positions compare only across racing lanes; the pit lane and the
    // garages count their own.
    void CheckLinkDirections() {
        static const char* const nxt[2] = {"Nxt(0)", "Nxt(1)"};
        for (int lane = roles_.FirstRacing; RacingLane(lane); ++lane) {
            const auto& spaces = t_.Lanes[static_cast<size_t>(lane)].Spaces;
            for (size_t i = 0; i < spaces.size(); ++i)
                for (size_t k = 0; k < 2; ++k) {
                    const SpaceRef r = spaces[i].Nxt[k];
                    const Space* to = t_.Find(r);
                    if (!to || !roles_.IsRacing(RefLane(r)))
                        continue;
                    if (Behind(spaces[i].LanePos, to->LanePos, RefLane(r)) > BackwardsBy)
                        Add(Where(t_, static_cast<size_t>(lane), i) + ": " + nxt[k] +
                                " goes backwards to " + RefText(r) + ", from lane position " +
                                Number(spaces[i].LanePos) + " to " + Number(to->LanePos),
                            lane, static_cast<int>(i));
                }
        }
    }

    // How far `to` lies behind `from`, taking the short way round the lap of
    // the lane `to` is in (a link across the finish line goes forward).
    float Behind(float from, float to, int lane) const {
        float d = from - to;
        const auto& spaces = t_.Lanes[static_cast<size_t>(lane)].Spaces;
        if (spaces.size() < 2)
            return d;
        const float span = spaces.back().LanePos - spaces.front().LanePos;
        const float lap = span + span / static_cast<float>(spaces.size() - 1);
        if (!(lap > 0))
            return d;
        if (d > lap / 2)
            d -= lap;
        else if (d < -lap / 2)
            d += lap;
        return d;
    }

    // Set Next accepts from a double arrow one side only: 27 into the lane of
    // higher index, 28 into the lane of lower index.
    void CheckCornerArrows() {
        for (int lane = roles_.FirstRacing; RacingLane(lane); ++lane) {
            const auto& spaces = t_.Lanes[static_cast<size_t>(lane)].Spaces;
            ReportRuns(lane, Count(lane), [&](int i) {
                const Space& s = spaces[static_cast<size_t>(i)];
                const int side = s.Symbol == Sym::ArrowDoubleLeft    ? lane + 1
                                 : s.Symbol == Sym::ArrowDoubleRight ? lane - 1
                                                                     : -1;
                if (side < 0 || !RacingLane(side))
                    return std::string();
                for (SpaceRef r : s.Nxt)
                    if (RefLane(r) == side && t_.Find(r))
                        return std::string();
                return Quoted(std::string(SymbolText(s.Symbol))) + " (symbol " +
                       std::to_string(s.Symbol) + ") allows a Next link into " +
                       LaneText(t_, static_cast<size_t>(side)) + ", but none is set";
            });
        }
    }

    void CheckCornerMeasures() {
        for (size_t c = 0; c < t_.Corners.size(); ++c) {
            const Corner& corner = t_.Corners[c];
            const CornerPaths m = MeasureCorner(t_, static_cast<int>(c));
            if (!m.Spaces || (m.Long == corner.Long && m.Short == corner.Short))
                continue;
            Add(CornerText(t_, c) + ": Long " + std::to_string(corner.Long) + " and Short " +
                std::to_string(corner.Short) + " differ from its spaces, which measure " +
                std::to_string(m.Long) + " and " + std::to_string(m.Short) +
                " (Measure Corners sets them)");
        }
    }

    const Track& t_;
    LaneRoles roles_;
    std::vector<TrackProblem>& out_;
};

} // namespace

void FindRaceProblems(const Track& track, std::vector<TrackProblem>& out) {
    RaceChecker(track, out).Run();
}

} // namespace td
