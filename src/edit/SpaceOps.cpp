#include "edit/SpaceOps.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "model/SpaceGeometry.h"
#include "model/SpaceRemoval.h"
#include "view/ViewTransform.h"

namespace td {

namespace {

bool HasSymbolEntry(int code) {
    for (const SymbolEntry& e : SymbolTable())
        if (e.code == code)
            return true;
    return false;
}

int ValidCOR(int cor) {
    return cor >= 0 && cor <= 4 ? cor : 0;
}

// The spaces from `from` to the end of `lane` move by (dx, dy).
void ShiftLaneFrom(Track& track, int lane, int from, float dx, float dy,
                   const SpaceXorDraw& xorDraw) {
    auto& spaces = track.Lanes[static_cast<size_t>(lane)].Spaces;
    for (int s = from; s < static_cast<int>(spaces.size()); ++s) {
        if (xorDraw)
            xorDraw(lane, s);
        Space& sp = spaces[static_cast<size_t>(s)];
        sp.Pt[0].x += dx;
        sp.Pt[0].y += dy;
        ComputeSpaceOutline(sp);
        if (xorDraw)
            xorDraw(lane, s);
    }
}

PointF Rotated(PointF p, int degrees, PointF about) {
    RotatePoint(p.x, p.y, static_cast<std::int16_t>(degrees), about.x, about.y);
    return p;
}

// The centre that continues straight on from `prev` for a space of scale s.
PointF CentreAfter(const Space& prev, float s) {
    const PointF p = prev.Pt[0];
    return Rotated({p.x + (prev.Scale + s) * SpaceHalfLength, p.y}, prev.Rotation, p);
}

struct Placement {
    PointF centre;
    int rotation = 0;
};

// The standard place of space 0 of `lane`, chosen by the lane's role.
bool FirstSpacePlacement(const Track& track, int lane, Placement& out) {
    const std::string& name = track.Lanes[static_cast<size_t>(lane)].Name;
    const RacingLanes racing = FindRacingLanes(track);
    const Space* ref = racing.last >= racing.first ? track.Find(racing.reference, 0) : nullptr;

    if (name == "Pit") {
        if (!ref)
            return false;
        out = {{ref->Pt[0].x, ref->Pt[0].y + 6.0f * SpaceHalfWidth}, 0};
        return true;
    }
    if (name == "Garages") {
        const int pit = FindLane(track, "Pit");
        if (pit < 0 || track.Lanes[static_cast<size_t>(pit)].Spaces.empty())
            return false;
        // The last pit space decides.
        const Space& p = track.Lanes[static_cast<size_t>(pit)].Spaces.back();
        const float nx = p.Symbol == Sym::PitTeam1 ? p.Pt[0].x : p.Pt[0].x + 2 * SpaceHalfLength;
        out = {{nx, p.Pt[0].y - 2.0f * SpaceHalfWidth}, 0};
        return true;
    }
    if (lane < racing.first || lane > racing.last)
        return false;
    if (lane == racing.reference) {
        out = {{0.0f, 0.0f}, 0};
        return true;
    }
    // Counted away from the reference lane; `before` is the neighbour nearer it.
    const int away = racing.reference == racing.first ? 1 : -1;
    const Space* before = track.Find(lane - away, 0);
    if (!ref || !before)
        return false;
    // Lanes lie side by side; every other lane starts half a space back.
    const int k = (lane - racing.reference) * away;
    const PointF r = ref->Pt[0];
    const PointF p{r.x - static_cast<float>(k % 2) * SpaceHalfLength,
                   r.y - 2.0f * SpaceHalfWidth * static_cast<float>(k)};
    out = {Rotated(p, before->Rotation, r), before->Rotation};
    return true;
}

} // namespace

std::int16_t NormaliseRotation(int r) {
    return static_cast<std::int16_t>(((r % 360) + 360) % 360);
}

bool IsPendingSpace(const Track& track, const Selection& sel) {
    return track.ValidLane(sel.CurLane) &&
           sel.CurSpace >=
               static_cast<int>(track.Lanes[static_cast<size_t>(sel.CurLane)].Spaces.size());
}

void StoreCurrentSpace(Track& track, const Selection& sel, int symbolCode) {
    Space* s = track.Find(sel.CurLane, sel.CurSpace);
    if (!s)
        return;
    s->Pt = sel.WorkPts;
    s->Rotation = sel.WorkRotation;
    s->Scale = sel.WorkScale;
    s->COR = sel.WorkCOR;
    // A code the list cannot show is the author's own: keep it.
    if (HasSymbolEntry(s->Symbol) && HasSymbolEntry(symbolCode))
        s->Symbol = static_cast<std::int16_t>(symbolCode);
}

bool StoreChangesSpace(const Track& track, const Selection& sel, int symbolCode) {
    const Space* s = track.Find(sel.CurLane, sel.CurSpace);
    if (!s)
        return false;
    // Bit for bit, as the undo history compares.
    auto bits = [](float v) { return std::bit_cast<std::uint32_t>(v); };
    for (size_t k = 0; k < s->Pt.size(); ++k)
        if (bits(s->Pt[k].x) != bits(sel.WorkPts[k].x) || bits(s->Pt[k].y) != bits(sel.WorkPts[k].y))
            return true;
    const bool symbolStored = HasSymbolEntry(s->Symbol) && HasSymbolEntry(symbolCode);
    return s->Rotation != sel.WorkRotation || bits(s->Scale) != bits(sel.WorkScale) ||
           (symbolStored && s->Symbol != symbolCode);
}

bool TeamSymbolTaken(const Track& track, int code, int lane, int index) {
    if (code < Sym::PitTeam1 || code > Sym::GarageTeam1 + 9)
        return false;
    for (size_t l = 0; l < track.Lanes.size(); ++l) {
        const auto& spaces = track.Lanes[l].Spaces;
        for (size_t i = 0; i < spaces.size(); ++i)
            if (spaces[i].Symbol == code &&
                !(static_cast<int>(l) == lane && static_cast<int>(i) == index))
                return true;
    }
    return false;
}

void LoadWorkingCopy(const Track& track, Selection& sel) {
    const Space* s = track.Find(sel.CurLane, sel.CurSpace);
    if (!s)
        return;
    sel.WorkPts = s->Pt;
    sel.WorkRotation = s->Rotation;
    sel.WorkScale = s->Scale;
    if (s->COR != 0)
        sel.WorkCOR = s->COR;
}

void ComputeCurrentOutline(Selection& sel) {
    ComputeOutline(sel.WorkPts, sel.WorkRotation, sel.WorkScale);
}

bool AppendResetsSymbol(const std::string& laneName, int index) {
    return (laneName != "Left" && laneName != "Right" && index == 1) ||
           (laneName == "Middle" && index == 2);
}

bool AppendPendingSpace(Track& track, const Selection& sel) {
    if (!track.ValidLane(sel.CurLane))
        return false;
    auto& spaces = track.Lanes[static_cast<size_t>(sel.CurLane)].Spaces;
    // References address at most MaxLaneSpaces spaces of a lane.
    if (sel.CurSpace != static_cast<int>(spaces.size()) ||
        static_cast<int>(spaces.size()) >= MaxLaneSpaces)
        return false;
    spaces.emplace_back();
    return true;
}

void MakePendingAfterCurrent(Selection& sel) {
    const PointF c = sel.WorkPts[0];
    const float reach = ((sel.WorkScale - 1.0f) * 0.5f + 1.0f) * 2.0f * SpaceHalfLength;
    sel.WorkPts[0] = Rotated({c.x + reach, c.y}, sel.WorkRotation, c);
    sel.WorkScale = 1.0f;
    ComputeCurrentOutline(sel);
}

bool DeleteCurrentSpace(Track& track, Selection& sel, Space* removed) {
    if (!track.ValidLane(sel.CurLane))
        return false;
    const auto& spaces = track.Lanes[static_cast<size_t>(sel.CurLane)].Spaces;
    const int count = static_cast<int>(spaces.size());
    if (count <= 1 || sel.CurSpace < 0 || sel.CurSpace > count)
        return false;
    const int last = count - 1;
    const int index = sel.CurSpace == count ? last : sel.CurSpace;
    if (removed)
        *removed = spaces[static_cast<size_t>(index)];
    if (sel.CurSpace == count) {
        // The pending space: the last stored space becomes the pending one.
        sel.CurSpace = last;
        LoadWorkingCopy(track, sel);
        RemoveSpace(track, sel, sel.CurLane, index);
        return true;
    }
    RemoveSpace(track, sel, sel.CurLane, index);
    if (sel.CurSpace >= last && sel.CurSpace > 0)
        --sel.CurSpace;
    LoadWorkingCopy(track, sel);
    ResetSpace(track, sel.CurLane, sel.CurSpace, sel.WorkScale);
    return true;
}

RacingLanes FindRacingLanes(const Track& track) {
    int pitLane = 0;
    for (size_t l = 0; l < track.Lanes.size(); ++l)
        if (track.Lanes[l].Name == "Pit")
            pitLane = static_cast<int>(l);
    const int top = static_cast<int>(track.Lanes.size()) - 1;
    if (pitLane >= top - 2)
        return {0, top - 2, top - 2};
    return {2, top, 2};
}

bool ResetSpace(Track& track, int lane, int index, float workScale) {
    if (!track.ValidLane(lane))
        return false;
    auto& spaces = track.Lanes[static_cast<size_t>(lane)].Spaces;
    if (index < 0 || index >= static_cast<int>(spaces.size()))
        return false;
    const PointF o = spaces[static_cast<size_t>(index)].Pt[0];
    const int oldRot = spaces[static_cast<size_t>(index)].Rotation;

    Placement target;
    if (index > 0) {
        const Space& prev = spaces[static_cast<size_t>(index) - 1];
        target = {CentreAfter(prev, workScale), prev.Rotation};
    } else if (!FirstSpacePlacement(track, lane, target)) {
        return false;
    }

    // The space and all that follow it move as one rigid piece.
    const int turn = target.rotation - oldRot;
    for (size_t s = static_cast<size_t>(index); s < spaces.size(); ++s) {
        Space& sp = spaces[s];
        sp.Pt[0] = Rotated(sp.Pt[0], turn, o);
        sp.Rotation = NormaliseRotation(sp.Rotation + turn);
        sp.Pt[0].x += target.centre.x - o.x;
        sp.Pt[0].y += target.centre.y - o.y;
        ComputeSpaceOutline(sp);
    }
    return true;
}

void CycleCOR(Selection& sel) {
    sel.WorkCOR = static_cast<std::int16_t>((ValidCOR(sel.WorkCOR) + 1) % 5);
}

namespace {

constexpr float MinSpaceScale = 0.8f;
constexpr float MaxSpaceScale = 2.0f;
// Far below one step of 0.1, far above the error of adding up such steps.
constexpr float ScaleTolerance = 0.001f;
constexpr int GrowingSymbol = 60;

} // namespace

bool CanScaleUp(const Track& track, const Selection& sel) {
    const Space* cur = track.Find(sel.CurLane, sel.CurSpace);
    return cur && (sel.WorkScale < MaxSpaceScale - ScaleTolerance || cur->Symbol == GrowingSymbol);
}

bool CanScaleDown(const Track& track, const Selection& sel) {
    return track.Find(sel.CurLane, sel.CurSpace) &&
           sel.WorkScale > MinSpaceScale + ScaleTolerance;
}

bool ScaleCurrentSpace(Track& track, Selection& sel, float delta, int symbolCode,
                       const SpaceXorDraw& xorDraw) {
    Space* cur = track.Find(sel.CurLane, sel.CurSpace);
    if (!cur)
        return false;
    const PointF front = cur->Pt[2];
    sel.WorkScale += delta;
    if (sel.CurSpace > 0) {
        const Space& prev = *track.Find(sel.CurLane, sel.CurSpace - 1);
        const PointF pivot = sel.WorkPts[ValidCOR(sel.WorkCOR)];
        sel.WorkPts[0] = CentreAfter(prev, sel.WorkScale);
        // A space turned against its predecessor keeps its pivot corner.
        if (ValidCOR(sel.WorkCOR) != 0)
            sel.WorkPts[0] = Rotated(sel.WorkPts[0], sel.WorkRotation - prev.Rotation, pivot);
    }
    ComputeCurrentOutline(sel);
    StoreCurrentSpace(track, sel, symbolCode);
    cur = track.Find(sel.CurLane, sel.CurSpace);
    ShiftLaneFrom(track, sel.CurLane, sel.CurSpace + 1, cur->Pt[2].x - front.x,
                  cur->Pt[2].y - front.y, xorDraw);
    return true;
}

void MoveCurrentSpace(Track& track, Selection& sel, float dx, float dy, bool workOnly,
                      const SpaceXorDraw& xorDraw) {
    if (!workOnly && track.Find(sel.CurLane, sel.CurSpace))
        ShiftLaneFrom(track, sel.CurLane, sel.CurSpace, dx, dy, xorDraw);
    sel.WorkPts[0].x += dx;
    sel.WorkPts[0].y += dy;
    ComputeCurrentOutline(sel);
}

void RotateCurrentSpace(Track& track, Selection& sel, std::int16_t degrees, bool workOnly,
                        const SpaceXorDraw& xorDraw) {
    const int cor = ValidCOR(sel.WorkCOR);
    const PointF pivot = sel.WorkPts[static_cast<size_t>(cor)];
    if (!workOnly && track.Find(sel.CurLane, sel.CurSpace)) {
        auto& spaces = track.Lanes[static_cast<size_t>(sel.CurLane)].Spaces;
        for (int s = sel.CurSpace; s < static_cast<int>(spaces.size()); ++s) {
            if (xorDraw)
                xorDraw(sel.CurLane, s);
            Space& sp = spaces[static_cast<size_t>(s)];
            sp.Pt[0] = Rotated(sp.Pt[0], degrees, pivot);
            sp.Rotation = NormaliseRotation(sp.Rotation + degrees);
            ComputeSpaceOutline(sp);
            if (xorDraw)
                xorDraw(sel.CurLane, s);
        }
    }
    if (cor != 0)
        sel.WorkPts[0] = Rotated(sel.WorkPts[0], degrees, pivot);
    sel.WorkRotation = NormaliseRotation(sel.WorkRotation + degrees);
    ComputeCurrentOutline(sel);
}

namespace {

// A pending current space gives way to the last stored space of its lane,
// whose whole working copy (its scale above all) comes with it.
void LeavePendingSpace(const Track& track, Selection& sel) {
    if (IsPendingSpace(track, sel) && sel.CurSpace > 0) {
        --sel.CurSpace;
        LoadWorkingCopy(track, sel);
    }
}

} // namespace

void MoveWholeTrack(Track& track, Selection& sel, float dx, float dy) {
    LeavePendingSpace(track, sel);
    for (Lane& lane : track.Lanes)
        for (Space& sp : lane.Spaces) {
            sp.Pt[0].x += dx;
            sp.Pt[0].y += dy;
            ComputeSpaceOutline(sp);
        }
    if (const Space* cur = track.Find(sel.CurLane, sel.CurSpace)) {
        sel.WorkPts[0] = cur->Pt[0];
        ComputeCurrentOutline(sel);
    }
    for (Corner& c : track.Corners)
        for (PointF& v : c.Vtx) {
            v.x += dx;
            v.y += dy;
        }
}

void RotateWholeTrack(Track& track, Selection& sel, std::int16_t degrees) {
    LeavePendingSpace(track, sel);
    const PointF origin{0.0f, 0.0f};
    for (Lane& lane : track.Lanes)
        for (Space& sp : lane.Spaces) {
            sp.Pt[0] = Rotated(sp.Pt[0], degrees, origin);
            sp.Rotation = NormaliseRotation(sp.Rotation + degrees);
            ComputeSpaceOutline(sp);
        }
    if (const Space* cur = track.Find(sel.CurLane, sel.CurSpace)) {
        sel.WorkPts[0] = cur->Pt[0];
        sel.WorkRotation = cur->Rotation;
        ComputeCurrentOutline(sel);
    }
    for (Corner& c : track.Corners) {
        c.Vtx[0] = Rotated(c.Vtx[0], degrees, origin);
        DeriveCornerFlag(c);
    }
}

void MovePolygon(Track& track, int poly, float dx, float dy) {
    if (poly < 0 || poly >= static_cast<int>(track.BackPolys.size()))
        return;
    for (PointI& v : track.BackPolys[static_cast<size_t>(poly)].Vtxs) {
        // In double, every vertex a file can hold plus any step is exact.
        v.x = RoundToInt32(static_cast<double>(v.x) + dx);
        v.y = RoundToInt32(static_cast<double>(v.y) + dy);
    }
}

Space* PrimarySpaceOf(Track& track, SpaceRef primary) {
    return primary < 0 ? nullptr : track.Find(primary);
}

namespace {

// A link target that a space reference can name.
bool Linkable(int lane, int index) {
    return lane >= 0 && index >= 0 && index < MaxLaneSpaces && lane * 1000 + index <= INT16_MAX;
}

bool IsPitExit(const Track& track, SpaceRef primary) {
    const int lane = RefLane(primary);
    return track.ValidLane(lane) && track.Lanes[static_cast<size_t>(lane)].Name == "Pit" &&
           RefIndex(primary) ==
               static_cast<int>(track.Lanes[static_cast<size_t>(lane)].Spaces.size()) - 1;
}

} // namespace

std::string LinkRefusal(const Track& track, SpaceRef primary, int lane, int index, bool next) {
    const Space* p = primary < 0 ? nullptr : track.Find(primary);
    if (!p)
        return "No link: pick the primary space first";
    const int primaryLane = RefLane(primary);
    if (primaryLane == lane)
        return "No link: the space is in the primary space's own lane";
    if (!Linkable(lane, index))
        return "No link: a link cannot name that space";
    if (!next)
        return {};
    const int sym = p->Symbol;
    if (sym == Sym::ArrowHeavy || sym == Sym::ArrowLight)
        return "No Next link: the primary space's single arrow allows none";
    // 27 leads into the lane of higher index, 28 into the lane of lower index.
    if ((lane < primaryLane && sym == Sym::ArrowDoubleLeft) ||
        (lane > primaryLane && sym == Sym::ArrowDoubleRight))
        return "No Next link: the primary space's double arrow allows Next links to its other "
               "side only";
    return {};
}

bool ToggleNextLink(Track& track, SpaceRef primary, int lane, int index) {
    if (!LinkRefusal(track, primary, lane, index, true).empty())
        return false;
    Space* p = PrimarySpaceOf(track, primary);
    const int primaryLane = RefLane(primary);
    const SpaceRef c = MakeRef(lane, index);
    // A space is not both Next and Adjacent of the same primary.
    for (SpaceRef& a : p->Adj)
        if (a == c)
            a = NoSpace;
    for (SpaceRef& n : p->Nxt)
        if (n == c) {
            n = NoSpace;
            return true;
        }
    if (IsPitExit(track, primary)) {
        if (p->Nxt[0] == NoSpace)
            p->Nxt[0] = c;
        else if (p->Nxt[1] == NoSpace)
            p->Nxt[1] = c;
        if (p->Nxt[0] > p->Nxt[1])
            std::swap(p->Nxt[0], p->Nxt[1]);
    } else {
        p->Nxt[lane < primaryLane ? 1 : 0] = c;
    }
    return true;
}

bool ToggleAdjacentLink(Track& track, SpaceRef primary, int lane, int index) {
    if (!LinkRefusal(track, primary, lane, index, false).empty())
        return false;
    Space* p = PrimarySpaceOf(track, primary);
    const SpaceRef c = MakeRef(lane, index);
    bool changed = false;
    for (SpaceRef& n : p->Nxt)
        if (n == c) {
            n = NoSpace;
            changed = true;
        }
    for (SpaceRef& a : p->Adj)
        if (a == c) {
            a = NoSpace;
            return true;
        }
    for (SpaceRef& a : p->Adj)
        if (a == NoSpace) {
            a = c;
            return true;
        }
    if (IsPitExit(track, primary) && p->Adj[0] > p->Adj[1]) {
        std::swap(p->Adj[0], p->Adj[1]);
        return true;
    }
    return changed;
}

} // namespace td

namespace td {

bool ClearLinksTo(Track& track, SpaceRef ref) {
    bool cleared = false;
    for (Lane& lane : track.Lanes)
        for (Space& space : lane.Spaces) {
            for (SpaceRef& link : space.Nxt)
                if (link == ref) {
                    link = NoSpace;
                    cleared = true;
                }
            for (SpaceRef& link : space.Adj)
                if (link == ref) {
                    link = NoSpace;
                    cleared = true;
                }
        }
    return cleared;
}

} // namespace td
