#include "tools/TrackGenerator.h"

#include <algorithm>
#include <cmath>

#include "model/CornerMeasure.h"
#include "model/LaneRoles.h"
#include "model/SpaceGeometry.h"
#include "model/TrackFile.h"
#include "tools/AutoTag.h"
#include "tools/AutoTagCorners.h"
#include "tools/CenterTrack.h"
#include "tools/GeneratorScenery.h"
#include "tools/LaneMarks.h"
#include "tools/LaneTools.h"
#include "tools/Segments.h"
#include "tools/StartGrid.h"

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SpaceUnits = 2 * SpaceHalfLength;
// Gap between the outermost racing lane and the pit lane, centre to centre,
// and between the pit lane and the garages.
constexpr double PitOffset = 300;
constexpr double GarageOffset = 100;

// Spaces for a stretch of `length`: the count whose spaces are closest to a
// standard length by ratio, so that no space is much more than 1.41 or much
// less than 0.71 standard lengths.
int Count(double length) {
    const double x = length / SpaceUnits;
    const int lo = std::max(1, static_cast<int>(std::floor(x)));
    return x * x > lo * (lo + 1.0) ? lo + 1 : lo;
}

double LaneOffset(int lane, int lanes) {
    return (lane - (lanes - 1) / 2.0) * 2 * SpaceHalfWidth;
}

// Where the spaces of a lane begin and end piece by piece. Neighbouring lanes
// are staggered by half a space on the straights: even lanes start every
// straight half a space early, so that their first space sits across the
// finish line and the odd lanes meet the line with a space edge.
std::vector<double> PieceBounds(const LayoutPath& path, int lane, double offset) {
    const int m = path.Pieces();
    std::vector<double> bounds(static_cast<size_t>(m) + 1);
    double s = 0;
    auto halfStep = [&](int j) {
        const TrackPiece& p = path.Piece(j);
        return p.IsArc() ? 0.0 : p.Length / Count(p.Length) / 2;
    };
    for (int j = 0; j < m; ++j) {
        double shift = 0;
        if (lane % 2 == 0)
            shift = -(path.Piece(j).IsArc() ? halfStep((j + m - 1) % m) : halfStep(j));
        bounds[static_cast<size_t>(j)] = s + shift;
        s += path.PieceLength(j, offset);
    }
    bounds[static_cast<size_t>(m)] = s + bounds[0];
    return bounds;
}

// Distance along the centre line of a point `s` along the lane at `offset`.
double CentreDistance(const LayoutPath& path, double s, double offset) {
    const double lane = path.Length(offset);
    double laps = std::floor(s / lane);
    int piece = 0;
    double t = 0;
    path.AtDistance(s, offset, &piece, &t);
    double centre = 0;
    for (int j = 0; j < piece; ++j)
        centre += path.PieceLength(j, 0);
    const double len = path.PieceLength(piece, offset);
    centre += len > 0 ? t * path.PieceLength(piece, 0) / len : 0;
    return centre + laps * path.Length(0);
}

std::int16_t Degrees(double heading) {
    int r = static_cast<int>(std::lround(heading)) % 360;
    if (r < 0)
        r += 360;
    return static_cast<std::int16_t>(r);
}

// Spaces of one racing lane; `pieceOf` receives the piece of each space.
Lane BuildLane(const LayoutPath& path, int lane, int lanes, std::vector<int>& pieceOf) {
    Lane out{RacingLaneName(lane, lanes), {}};
    const double offset = LaneOffset(lane, lanes);
    const std::vector<double> bounds = PieceBounds(path, lane, offset);
    for (int j = 0; j < path.Pieces(); ++j) {
        const double a0 = bounds[static_cast<size_t>(j)];
        const double len = bounds[static_cast<size_t>(j) + 1] - a0;
        const int n = Count(len);
        for (int k = 0; k < n; ++k) {
            const double a = a0 + len * k / n, b = a0 + len * (k + 1) / n;
            const Pose pa = path.AtDistance(a, offset), pb = path.AtDistance(b, offset);
            Space s;
            s.Pt[0] = {static_cast<float>((pa.x + pb.x) / 2),
                       static_cast<float>((pa.y + pb.y) / 2)};
            s.Rotation = Degrees(std::atan2(pb.y - pa.y, pb.x - pa.x) * 180 / Pi);
            s.Scale = static_cast<float>(std::hypot(pb.x - pa.x, pb.y - pa.y) / SpaceUnits);
            const double pos = CentreDistance(path, (a + b) / 2, offset) / SpaceUnits;
            s.LanePos = static_cast<float>(std::round(pos * 100) / 100);
            ComputeSpaceOutline(s);
            out.Spaces.push_back(s);
            pieceOf.push_back(j);
        }
    }
    // Arrows on the corners: every space of a run of arcs carries the double
    // arrow towards the side its cars may move to, the way the run turns in
    // (27 allows Next links into the lane of higher index, 28 lower); the
    // outermost lanes point back into the track.
    int entryTurn = 0;
    for (size_t k = 0; k < out.Spaces.size(); ++k) {
        const TrackPiece& p = path.Piece(pieceOf[k]);
        if (!p.IsArc())
            continue;
        if (k == 0 || !path.Piece(pieceOf[k - 1]).IsArc())
            entryTurn = p.Turn > 0 ? 1 : -1;
        out.Spaces[k].Symbol = CornerArrowFor(entryTurn, lane, lanes);
    }
    // The finish line lies at the start of the lap.
    MarkFinishLine(out, lane);
    return out;
}

} // namespace

int NearestSpace(const Lane& lane, PointF p) {
    int best = 0;
    double bestDist = 1e300;
    for (size_t k = 0; k < lane.Spaces.size(); ++k) {
        const double d = std::hypot(lane.Spaces[k].Pt[0].x - p.x, lane.Spaces[k].Pt[0].y - p.y);
        if (d < bestDist) {
            bestDist = d;
            best = static_cast<int>(k);
        }
    }
    return best;
}

namespace {

// The pit lane beside the main straight (the last piece, which ends at the
// finish line, and the first), with the garages beyond it; returns the index
// of the first team box.
int BuildPit(Track& t, const LayoutPath& path, int lanes, int pitLength) {
    const double before = path.Piece(path.Pieces() - 1).Length;
    const double after = path.Piece(0).Length;
    const int room = static_cast<int>((before + after) / SpaceUnits) - 2;
    const int len = std::clamp(pitLength, 10, std::max(10, std::min(room, MaxLaneSpaces)));
    const double y = LaneOffset(lanes - 1, lanes) + PitOffset;
    const double x0 = (after - before) / 2 - len * SpaceHalfLength;
    const int firstBox = (len - 10) / 2;
    Lane pit{"Pit", {}};
    Lane garages{"Garages", {}};
    for (int k = 0; k < len; ++k) {
        Space s;
        s.Pt[0] = {static_cast<float>(x0 + (k + 0.5) * SpaceUnits), static_cast<float>(y)};
        s.LanePos = static_cast<float>(k);
        ComputeSpaceOutline(s);
        pit.Spaces.push_back(s);
        const int box = k - firstBox;
        if (box >= 0 && box < 10) {
            // Box t carries team 1, 6, 2, 7, ... as pit paint puts them.
            const int team = box % 2 == 0 ? box / 2 : 5 + box / 2;
            Space g = s;
            g.Pt[0].y += static_cast<float>(GarageOffset + 2 * SpaceHalfWidth);
            g.Symbol = static_cast<std::int16_t>(Sym::GarageTeam1 + team);
            g.LanePos = static_cast<float>(box);
            ComputeSpaceOutline(g);
            garages.Spaces.push_back(g);
        }
    }
    // The racing space beside the pit lane's first one tells which side of
    // the track the pit lies on.
    const int right = lanes - 1;
    pit.Spaces[0].Adj[1] =
        MakeRef(right, NearestSpace(t.Lanes[static_cast<size_t>(right)], pit.Spaces[0].Pt[0]));
    t.Lanes.push_back(std::move(garages));
    t.Lanes.push_back(std::move(pit));
    return firstBox;
}

// One corner record per run of arcs, in driving order, with its flag outside
// the bend half way round.
void AddCorners(Track& t, const LayoutPath& path, int lanes) {
    static const char* names[] = {"La Source", "Kink",        "Grand Sweep", "Hairpin",
                                  "Chicane",   "Long Right",  "Last Corner", "Esses",
                                  "Lake Bend", "Tower Curve", "Old Mill",    "Forest Turn"};
    const double halfWidth = lanes * SpaceHalfWidth;
    int c = 0;
    for (int j = 0; j < path.Pieces();) {
        if (!path.Piece(j).IsArc()) {
            ++j;
            continue;
        }
        int end = j;
        double turn = 0, radius = path.Piece(j).Radius;
        while (end < path.Pieces() && path.Piece(end).IsArc()) {
            turn += path.Piece(end).Turn;
            radius = std::min(radius, path.Piece(end).Radius);
            ++end;
        }
        const int mid = (j + end - 1) / 2;
        const Pose p = path.At(mid, path.PieceLength(mid, 0) / 2, 0);
        const double out = -(path.Piece(mid).Turn > 0 ? 1.0 : -1.0) * (halfWidth + 250);
        Corner corner;
        corner.Name = names[c % std::size(names)];
        // Tighter corners ask for more stops.
        corner.Stops = static_cast<std::int16_t>(radius < 700 ? 3 : radius < 1000 ? 2 : 1);
        const CornerPaths paths = MeasureCorner(t, c);
        corner.Long = paths.Long;
        corner.Short = paths.Short;
        corner.Vtx[0] = {static_cast<float>(p.x - out * std::sin(p.heading * Pi / 180)),
                         static_cast<float>(p.y + out * std::cos(p.heading * Pi / 180))};
        DeriveCornerFlag(corner);
        t.Corners.push_back(corner);
        (void)turn;
        ++c;
        j = end;
    }
}

} // namespace

// The pit entry and exit an author links by hand: from the racing space
// before the one beside the pit lane's first space forward into that first
// space; from the pit exit forward into the racing lane, whose space beside
// the exit names it as adjacent.
void LinkPitLane(Track& t) {
    const LaneRoles roles = FindLaneRoles(t);
    if (!t.ValidLane(roles.Pit) || !t.ValidLane(roles.PitSide))
        return;
    const Lane& pit = t.Lanes[static_cast<size_t>(roles.Pit)];
    Lane& racing = t.Lanes[static_cast<size_t>(roles.PitSide)];
    const int n = static_cast<int>(racing.Spaces.size());
    if (pit.Spaces.empty() || n < 3)
        return;
    // Next links into a lane of higher index use slot 0, lower slot 1.
    const size_t towardPit = roles.Pit > roles.PitSide ? 0 : 1;
    const int entryBeside = NearestSpace(racing, pit.Spaces.front().Pt[0]);
    racing.Spaces[static_cast<size_t>((entryBeside + n - 1) % n)].Nxt[towardPit] =
        MakeRef(roles.Pit, 0);

    const int exit = static_cast<int>(pit.Spaces.size()) - 1;
    const int exitBeside = NearestSpace(racing, pit.Spaces.back().Pt[0]);
    // On a short pit lane the exit is also a team's box, whose garage link
    // keeps its slot.
    Space& pitExit = t.Lanes[static_cast<size_t>(roles.Pit)].Spaces.back();
    const size_t towardRacing = 1 - towardPit;
    const size_t slot = pitExit.Nxt[towardRacing] == NoSpace ? towardRacing : 1 - towardRacing;
    if (pitExit.Nxt[slot] != NoSpace)
        return;
    pitExit.Nxt[slot] = MakeRef(roles.PitSide, (exitBeside + 1) % n);
    for (SpaceRef& adj : racing.Spaces[static_cast<size_t>(exitBeside)].Adj)
        if (adj == NoSpace) {
            adj = MakeRef(roles.Pit, exit);
            break;
        }
}

void BuildGrid(Track& t, int lanes) {
    const int last0 = static_cast<int>(t.Lanes[0].Spaces.size()) - 1;
    const int right = lanes - 1;
    const int lastR = static_cast<int>(t.Lanes[static_cast<size_t>(right)].Spaces.size()) - 1;
    t.StartPos[1] = MakeRef(0, last0);
    t.StartPos[2] = MakeRef(right, lastR - 1);
    if (CreateStartGrid(t, NormalGridStep).refused)
        CreateStartGrid(t, TightGridStep);
}

TrackLayout FitLayout(const TrackLayout& layout, int lanes, int length) {
    const double outer = -LaneOffset(0, lanes);
    const double centre = LayoutPath(layout).Length(0);
    double factor = (length * SpaceUnits - 2 * Pi * outer) / centre;
    std::string error;
    for (int tries = 0; tries < 200; ++tries) {
        TrackLayout scaled = ScaledLayout(layout, factor);
        CloseLayout(scaled, error);
        const LayoutPath path(scaled);
        int longest = 0;
        for (int l = 0; l < lanes; ++l) {
            std::vector<int> pieces;
            longest = std::max(longest,
                               static_cast<int>(BuildLane(path, l, lanes, pieces).Spaces.size()));
        }
        if (longest <= length)
            return scaled;
        factor *= 0.995;
    }
    return ScaledLayout(layout, factor);
}

GeneratorOptions OptionsForLength(int lanes, int length, int polygons) {
    GeneratorOptions o;
    o.Lanes = lanes == 4 ? 4 : 3;
    o.Length = std::clamp(length, 50, MaxLaneSpaces);
    o.Polygons = std::max(0, polygons);
    // The grand-prix circuit needs room for its tightest corner inside the
    // innermost lane; shorter tracks are ovals.
    o.Layout = FitLayout(o.Length >= 80 ? GrandPrixLayout(o.Length) : OvalLayout(o.Length), o.Lanes,
                         o.Length);
    o.PitLength = PitLengthFor(o.Layout);
    return o;
}

int PitLengthFor(const TrackLayout& layout) {
    if (layout.empty())
        return 10;
    const double main = layout.front().Length + layout.back().Length;
    return std::clamp(static_cast<int>(main / SpaceUnits * 0.6), 10, 200);
}

Track GenerateTrack(const GeneratorOptions& opt) {
    const int lanes = opt.Lanes == 4 ? 4 : 3;
    TrackLayout layout = opt.Layout;
    std::string error;
    if (layout.empty() || !CloseLayout(layout, error))
        layout = OptionsForLength(lanes, opt.Length, 0).Layout;
    const LayoutPath path(layout);

    Track t;
    for (int l = 0; l < lanes; ++l) {
        std::vector<int> pieces;
        t.Lanes.push_back(BuildLane(path, l, lanes, pieces));
    }
    const int firstBox = BuildPit(t, path, lanes, opt.PitLength);
    // The lanes in the order saving gives them, so that the links below
    // name the lanes as the file will.
    NormalizeLaneOrder(t);

    // What the Tools menu does for an author.
    AssignSegments(t);
    CreatePitPaint(t, firstBox);
    AutoTagSpaces(t);
    if (opt.LinkCorners)
        AutoTagCorners(t, CornerArrows::Honour);
    LinkPitLane(t);
    BuildGrid(t, lanes);
    AddCorners(t, path, lanes);

    t.BackColor = Palette[4];
    AddScenery(t, path, lanes, opt.Polygons, opt.PolygonVertices);
    // The editor opens a track on the world origin: put the middle of the
    // pit lane there, so that the pits, the grid and the finish line are the
    // first thing the author sees.
    const auto& pit = t.Lanes[static_cast<size_t>(FindLane(t, "Pit"))].Spaces;
    const PointF middle = pit[pit.size() / 2].Pt[0];
    MoveTrackBy(t, -std::round(middle.x), -std::round(middle.y));
    return t;
}

} // namespace td
