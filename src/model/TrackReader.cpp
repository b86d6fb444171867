#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include "model/ItemReader.h"
#include "model/SpaceGeometry.h"
#include "model/TrackFile.h"

namespace td {

namespace {

// Larger files are refused unread: no track comes near this size, and the
// whole file is held in memory while it is parsed.
constexpr std::uintmax_t MaxTrackFileBytes = 256u * 1024u * 1024u;

constexpr std::int64_t Int16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t Int16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

// Reads the file's parts in order; the first item that cannot be read stops
// everything, and what was stored before it stays.
class TrackParser {
  public:
    TrackParser(Track& track, std::string_view text) : track_(track), items_(text) {}

    LoadResult Run() {
        result_.opened = true;
        track_.Lanes.clear();
        track_.Corners.clear();
        track_.BackPolys.clear();
        if (ReadInfo() && ReadStartPositions() && ReadLanes() && ReadCorners() && ReadBackColor() &&
            ReadPolygons())
            result_.complete = true;
        return result_;
    }

  private:
    bool Stop(std::string reason) {
        result_.complete = false;
        result_.line = items_.Line();
        result_.reason = std::move(reason);
        return false;
    }

    bool Text(std::string& out, const char* what) {
        std::string_view item;
        if (!items_.ReadLineText(item))
            return Stop(std::string("the file ends before ") + what);
        out.assign(item);
        return true;
    }

    bool Integer(std::int64_t& out, std::int64_t lo, std::int64_t hi, const char* what) {
        const int line = items_.Line();
        std::string_view token;
        if (!items_.ReadToken(token))
            return Stop(std::string("the file ends inside ") + what);
        std::int64_t v = 0;
        const NumberParse parsed = ParseInteger(token, lo, hi, v);
        out = parsed == NumberParse::Ok ? v : 0;
        return Settle(parsed, line, what);
    }

    bool Int16(std::int16_t& out, const char* what) {
        std::int64_t v = 0;
        if (!Integer(v, Int16Min, Int16Max, what))
            return false;
        out = static_cast<std::int16_t>(v);
        return true;
    }

    bool Int32(std::int32_t& out, const char* what) {
        std::int64_t v = 0;
        if (!Integer(v, Int32Min, Int32Max, what))
            return false;
        out = static_cast<std::int32_t>(v);
        return true;
    }

    bool Colour32(Colour& out, const char* what) {
        std::int32_t v = 0;
        if (!Int32(v, what))
            return false;
        out = static_cast<Colour>(v);
        return true;
    }

    bool Single(float& out, const char* what) {
        const int line = items_.Line();
        std::string_view token;
        if (!items_.ReadToken(token))
            return Stop(std::string("the file ends inside ") + what);
        const NumberParse parsed = ParseSingle(token, out);
        if (parsed != NumberParse::Ok)
            out = 0.0f;
        return Settle(parsed, line, what);
    }

    // Text where a number belongs counts as 0, as the game reads it, and
    // reading goes on; a number too large for its field stops reading at the
    // line where that number began.
    bool Settle(NumberParse parsed, int line, const char* what) {
        if (parsed != NumberParse::TooLarge)
            return true;
        Stop(std::string("a number too large for its field in ") + what);
        result_.line = line;
        return false;
    }

    bool ReadInfo() {
        TrackInfo& info = track_.Info;
        // Leading comment lines are skipped whole.
        // A quoted item is a value even when it starts with ";".
        std::string_view item;
        for (;;) {
            bool quoted = false;
            if (!items_.ReadLineText(item, &quoted))
                return Stop("the file ends before the track name");
            if (quoted || item.empty() || item[0] != ';')
                break;
        }
        info.Name.assign(item);
        return Text(info.Description, "the track description") &&
               Text(info.Location, "the track location") &&
               Text(info.Version, "the track version") && Text(info.BuildDate, "the build date") &&
               Text(info.BuildTime, "the build time") && Text(info.Author, "the author name") &&
               Text(info.DesignerVersion, "the designer version") &&
               Text(info.RainyMax, "the weather table") &&
               Text(info.ChangeableMax, "the weather table");
    }

    bool ReadStartPositions() {
        std::string keyword; // any single item is accepted here
        if (!Text(keyword, "the start positions"))
            return false;
        for (int k = 1; k <= 20; ++k)
            if (!Int16(track_.StartPos[static_cast<std::size_t>(k)], "the start positions"))
                return false;
        return true;
    }

    bool ReadSpace(Lane& lane) {
        Space s;
        const char* what = "a space";
        if (!(Single(s.Pt[0].x, what) && Single(s.Pt[0].y, what) && Int16(s.Rotation, what) &&
              Single(s.Scale, what) && Int16(s.Symbol, what) && Single(s.LanePos, what) &&
              Int16(s.Nxt[0], what) && Int16(s.Nxt[1], what) && Int16(s.Adj[0], what) &&
              Int16(s.Adj[1], what) && Int16(s.Adj[2], what) && Int16(s.Adj[3], what) &&
              Int16(s.Segment, what) && Int16(s.GapPart, what)))
            return false;
        s.COR = 0;
        ComputeSpaceOutline(s);
        lane.Spaces.push_back(s);
        return true;
    }

    bool ReadLanes() {
        Lane* current = nullptr;
        while (!items_.AtEnd()) {
            if (items_.NextIsNumber()) {
                if (!current)
                    return Stop("a space comes before any lane name");
                if (!ReadSpace(*current))
                    return false;
                continue;
            }
            // Keywords are never quoted: a quoted "Corners" is a lane's name.
            std::string_view name;
            bool quoted = false;
            const int line = items_.Line();
            items_.ReadLineText(name, &quoted);
            if (!quoted && name == "Corners")
                return true;
            if (!quoted && result_.numberLikeLaneLine == 0 && ReadsAsNumber(name))
                result_.numberLikeLaneLine = line;
            track_.Lanes.push_back(Lane{std::string(name), {}});
            current = &track_.Lanes.back();
        }
        // Without "Corners" the lanes run to the end; nothing else follows.
        return Stop("the file ends without the \"Corners\" keyword");
    }

    bool ReadCorners() {
        while (!items_.AtEnd()) {
            std::string_view name;
            bool quoted = false;
            items_.ReadLineText(name, &quoted);
            if (!quoted && name == "Backcolor")
                return true;
            // A corner cut short keeps the fields read so far.
            track_.Corners.push_back(Corner{std::string(name), 0, 0, 0, {}});
            Corner& c = track_.Corners.back();
            const char* what = "a corner";
            const bool ok = Int16(c.Stops, what) && Int16(c.Long, what) && Int16(c.Short, what) &&
                            Single(c.Vtx[0].x, what) && Single(c.Vtx[0].y, what);
            DeriveCornerFlag(c);
            if (!ok)
                return false;
        }
        return Stop("the file ends without the \"Backcolor\" keyword");
    }

    bool ReadBackColor() {
        std::string keyword;
        return Colour32(track_.BackColor, "the back colour") &&
               Text(keyword, "the background polygons");
    }

    bool ReadPolygons() {
        while (!items_.AtEnd()) {
            BackPoly poly;
            const char* what = "a background polygon";
            std::int32_t last = 0;
            if (!(Int16(poly.Detail, what) && Colour32(poly.FillColor, what) &&
                  Colour32(poly.OutlineColor, what) && Int32(last, what)))
                return false;
            // Every vertex takes two items and every item at least one byte,
            // so a count the rest of the file cannot hold is refused before
            // anything is allocated for it.
            const std::int64_t count = static_cast<std::int64_t>(last) + 1;
            if (count < 0 || static_cast<std::uint64_t>(count) * 2 > items_.RemainingBytes())
                return Stop("a vertex count the rest of the file cannot hold");
            poly.Vtxs.resize(static_cast<std::size_t>(count));
            for (PointI& v : poly.Vtxs)
                if (!(Int32(v.x, what) && Int32(v.y, what)))
                    return false;
            track_.BackPolys.push_back(std::move(poly));
        }
        return true;
    }

    Track& track_;
    ItemReader items_;
    LoadResult result_;
};

} // namespace

LoadResult LoadTrackFromText(Track& track, std::string_view text) {
    return TrackParser(track, text).Run();
}

LoadResult LoadTrack(Track& track, const std::string& path) {
    LoadResult result;
    std::error_code ec;
    const std::filesystem::path p(path);
    if (!std::filesystem::is_regular_file(p, ec)) {
        result.reason = ec ? ec.message() : "not a regular file";
        return result;
    }
    const std::uintmax_t size = std::filesystem::file_size(p, ec);
    if (ec) {
        result.reason = ec.message();
        return result;
    }
    if (size > MaxTrackFileBytes) {
        result.reason = "the file is too large to be a track file";
        return result;
    }
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        result.reason = "the file cannot be opened";
        return result;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        result.reason = "the file cannot be read";
        return result;
    }
    return LoadTrackFromText(track, text);
}

} // namespace td
