#include "tools/CircuitLanes.h"

#include <algorithm>
#include <cmath>

#include "tools/LaneMarks.h"

namespace td {

namespace {

constexpr double SpaceUnits = 2 * SpaceHalfLength;
// The shortest bend a lane may get, and how much a bend grows at a time
// until every lane has that.
constexpr double MinBendInLane = 0.6 * SpaceUnits;
constexpr double BendGrowth = 0.5 * SpaceUnits;

// Spaces for a stretch of `length`: the count whose spaces are closest to a
// standard length by ratio.
int Count(double length) {
    const double x = length / SpaceUnits;
    const int lo = std::max(1, static_cast<int>(std::floor(x)));
    return x * x > lo * (lo + 1.0) ? lo + 1 : lo;
}

// Stations where the pieces begin: the lap start, then the ends of every
// bend; piece j is a bend when j is odd.
std::vector<double> PieceStations(const std::vector<CircuitBend>& bends) {
    std::vector<double> s{0};
    for (const CircuitBend& b : bends) {
        s.push_back(b.from);
        s.push_back(b.to);
    }
    return s;
}

// Widens every bend that some lane gets too short; true when none is.
bool WidenShortBends(const std::vector<Path>& paths, std::vector<CircuitBend>& bends,
                     double lapLength) {
    bool fine = true;
    for (const Path& p : paths) {
        for (size_t b = 0; b < bends.size(); ++b) {
            if (p.DistanceAtStation(bends[b].to) - p.DistanceAtStation(bends[b].from) >=
                MinBendInLane)
                continue;
            fine = false;
            const double lo = b == 0 ? SpaceUnits : bends[b - 1].to + SpaceUnits;
            const double hi = b + 1 == bends.size() ? lapLength - SpaceUnits
                                                    : bends[b + 1].from - SpaceUnits;
            bends[b].from = std::max(lo, bends[b].from - BendGrowth / 2);
            bends[b].to = std::min(hi, bends[b].to + BendGrowth / 2);
        }
    }
    return fine;
}

Lane LayLane(const Path& path, double lap, const std::vector<CircuitBend>& bends, int lane,
             int lanes) {
    Lane out{RacingLaneName(lane, lanes), {}};
    std::vector<double> st = PieceStations(bends);
    st.push_back(lap);
    const size_t pieces = st.size() - 1;
    // Straights take the same spaces in every lane, evenly by centre-line
    // station, so that the lanes stay lined up along them; even lanes begin
    // every straight half a space early, so that their first space sits
    // across the finish line. A bend runs from the end of the straight
    // before it to the start of the one after, its spaces even along the
    // lane itself.
    std::vector<int> count(pieces, 0);
    std::vector<double> shift(pieces, 0);
    for (size_t j = 0; j < pieces; j += 2) {
        count[j] = Count(st[j + 1] - st[j]);
        shift[j] = lane % 2 == 0 ? (st[j + 1] - st[j]) / count[j] / 2 : 0;
    }
    std::vector<double> all;
    std::vector<size_t> pieceOf;
    for (size_t j = 0; j < pieces; ++j) {
        if (j % 2 == 0) {
            const double step = (st[j + 1] - st[j]) / count[j];
            for (int k = 0; k < count[j]; ++k) {
                all.push_back(path.DistanceAtStation(st[j] + step * k - shift[j]));
                pieceOf.push_back(j);
            }
            continue;
        }
        const double a = path.DistanceAtStation(st[j] - shift[j - 1]);
        const double b = path.DistanceAtStation(st[j + 1] - shift[j + 1]);
        const int n = b > a ? Count(b - a) : 0;
        for (int k = 0; k < n; ++k) {
            all.push_back(a + (b - a) * k / n);
            pieceOf.push_back(j);
        }
    }
    all.push_back(path.DistanceAtStation(lap - shift[0]));
    for (size_t k = 1; k < all.size(); ++k)
        all[k] = std::max(all[k], all[k - 1]);
    out.Spaces = LaySpaces(path, all);
    for (size_t k = 0; k < out.Spaces.size(); ++k) {
        const size_t j = pieceOf[k];
        if (j % 2 == 0)
            continue;
        out.Spaces[k].Symbol = CornerArrowFor(bends[j / 2].entry, lane, lanes);
    }
    // The finish line lies at the start of the lap.
    MarkFinishLine(out, lane);
    return out;
}

// Rounds the corners the offset leaves on the inside of bends tighter than
// the lane's offset. Such a corner shows where the lane's stations run on
// much faster than the lane itself (the loop cut out of the offset line):
// about there the line is smoothed, elsewhere it stays as it is.
Path EaseTightInside(const Path& path) {
    constexpr double Step = 10;
    const Path r = Resample(path, Step);
    const int n = r.Size();
    const int reach = 10, spread = 15, passes = 4;
    const double sigma = 8; // points
    std::vector<double> weight(static_cast<size_t>(n), 0);
    for (int i = reach; i + reach < n; ++i) {
        const double ratio =
            (r.Point(i + reach).station - r.Point(i - reach).station) / (2 * reach * Step);
        weight[static_cast<size_t>(i)] = std::clamp((ratio - 1.8) / 1.2, 0.0, 1.0);
    }
    std::vector<double> w(weight.size(), 0);
    for (int i = 0; i < n; ++i)
        for (int k = std::max(0, i - spread); k <= std::min(n - 1, i + spread); ++k)
            w[static_cast<size_t>(i)] =
                std::max(w[static_cast<size_t>(i)], weight[static_cast<size_t>(k)]);
    if (std::none_of(w.begin(), w.end(), [](double v) { return v > 0; }))
        return path;
    std::vector<PathPoint> pts = r.Points();
    const int g = static_cast<int>(3 * sigma);
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<PathPoint> next = pts;
        for (int i = 1; i + 1 < n; ++i) {
            const double wi = w[static_cast<size_t>(i)];
            if (wi <= 0)
                continue;
            double sx = 0, sy = 0, sw = 0;
            for (int k = std::max(0, i - g); k <= std::min(n - 1, i + g); ++k) {
                const double e = std::exp(-0.5 * (k - i) * (k - i) / (sigma * sigma));
                sx += pts[static_cast<size_t>(k)].x * e;
                sy += pts[static_cast<size_t>(k)].y * e;
                sw += e;
            }
            PathPoint& q = next[static_cast<size_t>(i)];
            q.x = q.x * (1 - wi) + sx / sw * wi;
            q.y = q.y * (1 - wi) + sy / sw * wi;
        }
        pts.swap(next);
    }
    return Path(std::move(pts), false);
}

} // namespace

double CircuitLaneOffset(int lane, int lanes) {
    return (lane - (lanes - 1) / 2.0) * 2 * SpaceHalfWidth;
}

Path UnrolledLap(const Path& centre) {
    const double lap = centre.Length();
    std::vector<PathPoint> pts;
    for (const PathPoint& p : centre.Points())
        if (p.station >= lap / 2)
            pts.push_back({p.x, p.y, p.station - lap});
    for (const PathPoint& p : centre.Points())
        pts.push_back(p);
    for (const PathPoint& p : centre.Points())
        if (p.station <= lap / 2)
            pts.push_back({p.x, p.y, p.station + lap});
    return Path(std::move(pts), false);
}

CircuitLaneSet LayCircuitLanes(const Path& centre, std::vector<CircuitBend>& bends, int lanes) {
    CircuitLaneSet set;
    const Path unrolled = UnrolledLap(centre);
    for (int l = 0; l < lanes; ++l)
        set.paths.push_back(EaseTightInside(OffsetPath(unrolled, CircuitLaneOffset(l, lanes))));
    for (int tries = 0; tries < 8 && !WidenShortBends(set.paths, bends, centre.Length()); ++tries) {
    }
    for (int l = 0; l < lanes; ++l)
        set.lanes.push_back(
            LayLane(set.paths[static_cast<size_t>(l)], centre.Length(), bends, l, lanes));
    return set;
}

} // namespace td
