#include "tools/LaneBeside.h"

#include <algorithm>
#include <cmath>

#include "model/LaneRoles.h"
#include "model/SpaceGeometry.h"

namespace td {

namespace {

constexpr double StandardLength = 2 * SpaceHalfLength;
// The offset path is laid over points this far apart, so that it follows
// bends closely and its loops are cut cleanly.
constexpr double OffsetStep = 20;
constexpr const char* Title = "Build Lane Beside";

bool IsArrow(int symbol) {
    return symbol >= Sym::ArrowHeavy && symbol <= Sym::ArrowDoubleRight;
}

// LanePos of source space k, counted on (or back) by whole laps outside
// 0..n-1. A lane whose values do not rise is counted by index.
class SourcePositions {
  public:
    explicit SourcePositions(const Lane& lane) {
        const size_t n = lane.Spaces.size();
        bool rising = true;
        for (size_t k = 0; k < n; ++k) {
            pos_.push_back(lane.Spaces[k].LanePos);
            if (k > 0 && !(pos_[k] > pos_[k - 1]))
                rising = false;
        }
        if (!rising)
            for (size_t k = 0; k < n; ++k)
                pos_[k] = pos_[0] + static_cast<double>(k);
        // One lap on: as far again past the last as the average step.
        lap_ = n > 1 ? (pos_.back() - pos_.front()) * static_cast<double>(n) / (n - 1.0) : 1.0;
    }

    double At(int k) const {
        const int n = static_cast<int>(pos_.size());
        const int laps = k >= 0 ? k / n : -((n - 1 - k) / n);
        return pos_[static_cast<size_t>(k - laps * n)] + laps * lap_;
    }

  private:
    std::vector<double> pos_;
    double lap_ = 1;
};

int NearestSpace(const std::vector<Space>& spaces, PointF p) {
    int best = -1;
    double bestDist = 1e300;
    for (size_t k = 0; k < spaces.size(); ++k) {
        const double d = std::hypot(spaces[k].Pt[0].x - p.x, spaces[k].Pt[0].y - p.y);
        if (d < bestDist) {
            bestDist = d;
            best = static_cast<int>(k);
        }
    }
    return best;
}

// Where the finish line crosses a lane: through the centre of space `index`
// (a centre finish symbol) or at its rear end (a left finish symbol).
struct FinishLine {
    int index = -1;
    bool atCentre = false;
};

FinishLine FindFinishLine(const Lane& lane) {
    for (size_t k = 0; k < lane.Spaces.size(); ++k)
        if (lane.Spaces[k].Symbol == Sym::FinishCenter)
            return {static_cast<int>(k), true};
    for (size_t k = 0; k < lane.Spaces.size(); ++k)
        if (lane.Spaces[k].Symbol == Sym::FinishLeft)
            return {static_cast<int>(k), false};
    return {};
}

// Marks the finish line on the new lane where it crosses the source: the
// space that starts at a source centre on the line gets the left symbol and
// the one before it the right; the space centred on a source joint on the
// line gets the centre symbol.
void MarkFinishLine(std::vector<Space>& spaces, const FinishLine& line, bool early) {
    const int n = static_cast<int>(spaces.size());
    if (line.index < 0 || n == 0)
        return;
    auto at = [&](int k) -> Space& { return spaces[static_cast<size_t>(((k % n) + n) % n)]; };
    if (line.atCentre) {
        const int starts = early ? line.index + 1 : line.index;
        at(starts).Symbol = Sym::FinishLeft;
        at(starts - 1).Symbol = Sym::FinishRight;
    } else {
        at(early ? line.index : line.index - 1).Symbol = Sym::FinishCenter;
    }
}

std::string Quoted(const Track& track, int lane) {
    return "\"" + track.Lanes[static_cast<size_t>(lane)].Name + "\"";
}

ToolResult Refusal(const std::string& text) {
    ToolResult r;
    r.refused = true;
    r.message = {text, Title, MsgButtons::OK, MsgIcon::Information};
    return r;
}

} // namespace

Path LaneLoop(const Lane& lane, std::vector<double>* centres) {
    // LanePath lays a closed lane as the rear joint and the centre of each
    // space in turn.
    std::vector<PathPoint> pts = LanePath(lane, true).Points();
    const bool whole = pts.size() == 2 * lane.Spaces.size();
    if (centres)
        centres->clear();
    double s = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i > 0)
            s += std::hypot(pts[i].x - pts[i - 1].x, pts[i].y - pts[i - 1].y);
        pts[i].station = s;
        if (centres && whole && i % 2 == 1)
            centres->push_back(s);
    }
    Path loop(std::move(pts), true);
    // Spaces of no length leave points out: find the centres on the path.
    if (centres && !whole) {
        for (const Space& sp : lane.Spaces) {
            const double d = loop.Project(sp.Pt[0].x, sp.Pt[0].y);
            centres->push_back(centres->empty() ? d : std::max(d, centres->back()));
        }
    }
    return loop;
}

std::vector<double> FitLapBounds(std::vector<double> bounds, double lapLength, double minLength) {
    const size_t n = bounds.size() < 2 ? 0 : bounds.size() - 1;
    if (n == 0 || !(lapLength > 0))
        return bounds;
    std::vector<double> gap(n);
    double span = 0;
    for (size_t k = 0; k < n; ++k) {
        gap[k] = std::max(0.0, bounds[k + 1] - bounds[k]);
        span += gap[k];
    }
    if (!(span > 0))
        std::fill(gap.begin(), gap.end(), 1.0), span = static_cast<double>(n);
    const double fit = std::min(std::max(0.0, minLength), lapLength / static_cast<double>(n));
    // Spread the lap over the gaps by their lengths; gaps that come out short
    // are held at the least length and the rest share what is left.
    std::vector<char> held(n, 0);
    std::vector<double> out(n);
    for (size_t round = 0; round <= n; ++round) {
        double free = 0, heldLength = 0;
        for (size_t k = 0; k < n; ++k)
            held[k] ? heldLength += fit : free += gap[k];
        const double scale = free > 0 ? (lapLength - heldLength) / free : 0;
        bool more = false;
        for (size_t k = 0; k < n; ++k) {
            out[k] = held[k] ? fit : gap[k] * scale;
            if (!held[k] && out[k] < fit) {
                held[k] = 1;
                more = true;
            }
        }
        if (!more)
            break;
    }
    for (size_t k = 0; k < n; ++k)
        bounds[k + 1] = bounds[k] + out[k];
    // The last bound lies a lap on exactly, whatever the rounding did.
    bounds[n] = bounds[0] + lapLength;
    return bounds;
}

std::vector<Space> LaneBeside(const Lane& source, double offset, bool early) {
    const int n = static_cast<int>(source.Spaces.size());
    if (n < 3)
        return {};
    std::vector<double> centres;
    const Path loop = LaneLoop(source, &centres);
    if (loop.Empty())
        return {};
    const Path beside = OffsetPath(Resample(loop, OffsetStep), offset);
    const double lap = beside.Length();
    if (beside.Empty() || !(lap > 0))
        return {};

    // The source centres, found on the new path by their stations: the new
    // spaces run from one to the next.
    std::vector<double> at(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        at[static_cast<size_t>(k)] = beside.DistanceAtStation(centres[static_cast<size_t>(k)]);
        if (k > 0)
            at[static_cast<size_t>(k)] =
                std::max(at[static_cast<size_t>(k)], at[static_cast<size_t>(k) - 1]);
    }
    std::vector<double> bounds;
    if (early)
        bounds.push_back(at.back() - lap);
    bounds.insert(bounds.end(), at.begin(), at.end());
    if (!early)
        bounds.push_back(at.front() + lap);
    // No space shorter than half the average: the inside of a tight bend
    // gets fewer, longer spaces' worth of room taken from the straights.
    bounds = FitLapBounds(std::move(bounds), lap, 0.5 * lap / n);

    std::vector<Space> spaces = LaySpaces(beside, bounds);
    const SourcePositions pos(source);
    for (int k = 0; k < static_cast<int>(spaces.size()); ++k) {
        Space& s = spaces[static_cast<size_t>(k)];
        const int first = early ? k - 1 : k;
        s.LanePos =
            static_cast<float>(std::round((pos.At(first) + pos.At(first + 1)) / 2 * 100) / 100);
        const int symbol = source.Spaces[static_cast<size_t>(k)].Symbol;
        s.Symbol = static_cast<std::int16_t>(IsArrow(symbol) ? symbol : Sym::Regular);
    }
    return spaces;
}

int NeighbourLane(const Track& track, int lane, LaneSide side) {
    const LaneRoles roles = FindLaneRoles(track);
    const int other = side == LaneSide::Right ? lane + 1 : lane - 1;
    return roles.IsRacing(lane) && roles.IsRacing(other) ? other : -1;
}

bool LaneBesideReplaces(const Track& track, int lane, LaneSide side) {
    const int other = NeighbourLane(track, lane, side);
    return other >= 0 && track.Lanes[static_cast<size_t>(other)].Spaces.size() > 2;
}

ToolMessage LaneBesideSideQuestion(const Track& track, int lane) {
    const std::string name = track.ValidLane(lane) ? Quoted(track, lane) : "\"\"";
    return {"Build the lane beside lane " + name + " on its right?" + MsgLineBreak +
                "Yes: on the right. No: on the left.",
            Title, MsgButtons::YesNoCancel, MsgIcon::Question};
}

ToolMessage LaneBesideReplaceQuestion(const Track& track, int lane, LaneSide side) {
    const int other = NeighbourLane(track, lane, side);
    if (other < 0)
        return {};
    const auto count = track.Lanes[static_cast<size_t>(other)].Spaces.size();
    return {"Lane " + Quoted(track, other) + " has " + std::to_string(count) +
                " spaces. Replace them with a lane built beside lane " + Quoted(track, lane) + "?" +
                MsgLineBreak +
                "Their own links are lost; links to them move to the nearest new space.",
            Title, MsgButtons::YesNo, MsgIcon::Question};
}

ToolMessage LaneBesideRefusal(const Track& track, int lane) {
    if (!FindLaneRoles(track).IsRacing(lane) || !track.ValidLane(lane))
        return Refusal("A lane can only be built beside a racing lane.").message;
    if (track.Lanes[static_cast<size_t>(lane)].Spaces.size() < 3)
        return Refusal("A lane needs at least three spaces to build a lane beside it.").message;
    return {};
}

ToolResult BuildLaneBeside(Track& track, int lane, LaneSide side) {
    if (ToolMessage why = LaneBesideRefusal(track, lane); !why.Empty())
        return {0, true, why};
    const int other = NeighbourLane(track, lane, side);
    if (other < 0)
        return Refusal(std::string("There is no racing lane to the ") +
                       (side == LaneSide::Right ? "right" : "left") + " of this lane.");
    const Lane& source = track.Lanes[static_cast<size_t>(lane)];

    // Neighbouring racing lanes alternate: the even ones (counted from the
    // first racing lane) start half a space early. A finish line across the
    // source's first space decides instead, so that the new lane too starts
    // its lap at the line.
    const FinishLine line = FindFinishLine(source);
    bool early = (other - FindLaneRoles(track).FirstRacing) % 2 == 0;
    if (line.index == 0)
        early = !line.atCentre;
    const double offset = side == LaneSide::Right ? LaneSpacing : -LaneSpacing;
    std::vector<Space> spaces = LaneBeside(source, offset, early);
    if (spaces.empty())
        return Refusal(
            "The current lane's spaces lie too close together to build a lane beside it.");
    MarkFinishLine(spaces, line, early);

    std::vector<PointF> old;
    for (const Space& s : track.Lanes[static_cast<size_t>(other)].Spaces)
        old.push_back(s.Pt[0]);
    auto follow = [&](SpaceRef& ref) {
        if (ref == NoSpace || RefLane(ref) != other)
            return;
        const int k = RefIndex(ref);
        if (k >= 0 && k < static_cast<int>(old.size()))
            ref = MakeRef(other, NearestSpace(spaces, old[static_cast<size_t>(k)]));
    };
    for (size_t l = 0; l < track.Lanes.size(); ++l) {
        if (static_cast<int>(l) == other)
            continue;
        for (Space& s : track.Lanes[l].Spaces) {
            for (SpaceRef& r : s.Nxt)
                follow(r);
            for (SpaceRef& r : s.Adj)
                follow(r);
        }
    }
    for (SpaceRef& r : track.StartPos)
        follow(r);

    ToolResult result;
    result.changed = static_cast<int>(spaces.size());
    result.message = {"Lane " + Quoted(track, other) + " built beside lane " + Quoted(track, lane) +
                          ": " + std::to_string(spaces.size()) + " spaces.",
                      Title, MsgButtons::OK, MsgIcon::None};
    track.Lanes[static_cast<size_t>(other)].Spaces = std::move(spaces);
    return result;
}

} // namespace td
