#include "edit/TrackSnapshot.h"

#include <bit>
#include <cstdint>

namespace td {

namespace {

bool SameFloat(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool SamePoint(const PointF& a, const PointF& b) {
    return SameFloat(a.x, b.x) && SameFloat(a.y, b.y);
}

bool SameSpace(const Space& a, const Space& b) {
    for (size_t k = 0; k < a.Pt.size(); ++k)
        if (!SamePoint(a.Pt[k], b.Pt[k]))
            return false;
    return a.Rotation == b.Rotation && SameFloat(a.Scale, b.Scale) && a.COR == b.COR &&
           a.Symbol == b.Symbol && SameFloat(a.LanePos, b.LanePos) && a.Nxt == b.Nxt &&
           a.Adj == b.Adj && a.Segment == b.Segment && a.GapPart == b.GapPart;
}

bool SameInfo(const TrackInfo& a, const TrackInfo& b) {
    return a.Name == b.Name && a.Description == b.Description && a.Location == b.Location &&
           a.Version == b.Version && a.BuildDate == b.BuildDate && a.BuildTime == b.BuildTime &&
           a.Author == b.Author && a.DesignerVersion == b.DesignerVersion &&
           a.RainyMax == b.RainyMax && a.ChangeableMax == b.ChangeableMax;
}

std::size_t BytesOf(const Lane& lane) {
    return sizeof(Lane) + lane.Name.capacity() + lane.Spaces.capacity() * sizeof(Space);
}

std::size_t BytesOf(const BackPoly& poly) {
    return sizeof(BackPoly) + poly.Vtxs.capacity() * sizeof(PointI);
}

std::size_t BytesOf(const std::vector<Corner>& corners) {
    std::size_t n = sizeof(corners) + corners.capacity() * sizeof(Corner);
    for (const Corner& c : corners)
        n += c.Name.capacity();
    return n;
}

std::size_t BytesOf(const TrackHeader& h) {
    const TrackInfo& i = h.Info;
    return sizeof(TrackHeader) + i.Name.capacity() + i.Description.capacity() +
           i.Location.capacity() + i.Author.capacity();
}

std::size_t ListBytes(const TrackSnapshot& s) {
    return sizeof(TrackSnapshot) +
           (s.Lanes.capacity() + s.BackPolys.capacity()) * sizeof(std::shared_ptr<const Lane>);
}

} // namespace

bool SameBits(const Lane& a, const Lane& b) {
    if (a.Name != b.Name || a.Spaces.size() != b.Spaces.size())
        return false;
    for (size_t i = 0; i < a.Spaces.size(); ++i)
        if (!SameSpace(a.Spaces[i], b.Spaces[i]))
            return false;
    return true;
}

bool SameBits(const BackPoly& a, const BackPoly& b) {
    return a.Detail == b.Detail && a.FillColor == b.FillColor &&
           a.OutlineColor == b.OutlineColor && a.Vtxs == b.Vtxs;
}

bool SameBits(const std::vector<Corner>& a, const std::vector<Corner>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const Corner& x = a[i];
        const Corner& y = b[i];
        if (x.Name != y.Name || x.Stops != y.Stops || x.Long != y.Long || x.Short != y.Short)
            return false;
        for (size_t k = 0; k < x.Vtx.size(); ++k)
            if (!SamePoint(x.Vtx[k], y.Vtx[k]))
                return false;
    }
    return true;
}

bool SameBits(const TrackHeader& a, const Track& b) {
    return a.StartPos == b.StartPos && a.BackColor == b.BackColor && SameInfo(a.Info, b.Info);
}

std::size_t TrackSnapshot::TotalBytes() const {
    std::size_t n = ListBytes(*this);
    for (const auto& lane : Lanes)
        n += BytesOf(*lane);
    for (const auto& poly : BackPolys)
        n += BytesOf(*poly);
    if (Corners)
        n += BytesOf(*Corners);
    if (Header)
        n += BytesOf(*Header);
    return n;
}

TrackSnapshot TakeSnapshot(const Track& track, const TrackSnapshot* previous) {
    TrackSnapshot s;
    std::size_t own = 0;

    s.Lanes.reserve(track.Lanes.size());
    for (size_t i = 0; i < track.Lanes.size(); ++i) {
        if (previous && i < previous->Lanes.size() && SameBits(*previous->Lanes[i], track.Lanes[i])) {
            s.Lanes.push_back(previous->Lanes[i]);
        } else {
            s.Lanes.push_back(std::make_shared<const Lane>(track.Lanes[i]));
            own += BytesOf(*s.Lanes.back());
        }
    }

    s.BackPolys.reserve(track.BackPolys.size());
    for (size_t i = 0; i < track.BackPolys.size(); ++i) {
        if (previous && i < previous->BackPolys.size() &&
            SameBits(*previous->BackPolys[i], track.BackPolys[i])) {
            s.BackPolys.push_back(previous->BackPolys[i]);
        } else {
            s.BackPolys.push_back(std::make_shared<const BackPoly>(track.BackPolys[i]));
            own += BytesOf(*s.BackPolys.back());
        }
    }

    if (previous && previous->Corners && SameBits(*previous->Corners, track.Corners)) {
        s.Corners = previous->Corners;
    } else {
        s.Corners = std::make_shared<const std::vector<Corner>>(track.Corners);
        own += BytesOf(*s.Corners);
    }

    if (previous && previous->Header && SameBits(*previous->Header, track)) {
        s.Header = previous->Header;
    } else {
        s.Header = std::make_shared<const TrackHeader>(
            TrackHeader{track.StartPos, track.BackColor, track.Info});
        own += BytesOf(*s.Header);
    }

    s.OwnBytes = own + ListBytes(s);
    return s;
}

bool SnapshotMatches(const TrackSnapshot& s, const Track& track) {
    if (s.Lanes.size() != track.Lanes.size() || s.BackPolys.size() != track.BackPolys.size())
        return false;
    if (!s.Header || !SameBits(*s.Header, track))
        return false;
    if (!s.Corners || !SameBits(*s.Corners, track.Corners))
        return false;
    for (size_t i = 0; i < s.Lanes.size(); ++i)
        if (!SameBits(*s.Lanes[i], track.Lanes[i]))
            return false;
    for (size_t i = 0; i < s.BackPolys.size(); ++i)
        if (!SameBits(*s.BackPolys[i], track.BackPolys[i]))
            return false;
    return true;
}

void RestoreSnapshot(const TrackSnapshot& s, Track& track) {
    track.Lanes.resize(s.Lanes.size());
    for (size_t i = 0; i < s.Lanes.size(); ++i)
        if (!SameBits(*s.Lanes[i], track.Lanes[i]))
            track.Lanes[i] = *s.Lanes[i];
    track.BackPolys.resize(s.BackPolys.size());
    for (size_t i = 0; i < s.BackPolys.size(); ++i)
        if (!SameBits(*s.BackPolys[i], track.BackPolys[i]))
            track.BackPolys[i] = *s.BackPolys[i];
    if (s.Corners)
        track.Corners = *s.Corners;
    if (s.Header) {
        track.StartPos = s.Header->StartPos;
        track.BackColor = s.Header->BackColor;
        track.Info = s.Header->Info;
    }
}

} // namespace td
