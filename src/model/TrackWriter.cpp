#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "model/ItemReader.h"
#include "model/NumberForms.h"
#include "model/TrackFile.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace td {

namespace {

constexpr const char* HeaderLines[] = {
    ";Tarvel Track file - Format 2.0",
    ";Following is the structure of the file:",
    ";Track Name",
    ";Track Description",
    ";Track Location",
    ";Track Version",
    ";Track Build Date",
    ";Track Build Time",
    ";Track Author Name",
    ";Track Designer Version",
    ";Weather Info",
    ";     Rainy (Max)",
    ";     Changeable (Max)",
    ";Start Positions",
    ";     Location (20 entries)",
    ";Lane Position (string)",
    ";     Space(x).Center X coord",
    ";     Space(x).Center Y coord",
    ";     Space(x).Rotation",
    ";     Space(x).Scale (Length)",
    ";     Space(x).Symbol",
    ";     Space(x).Lane Position",
    ";     Space(x).Nxt(0-1) (Left/Right)",
    ";     Space(x).Adj(0-3)",
    ";     Space(x).Segment",
    ";     Space(x).Gap-Part",
    ";Corners",
    ";     Name",
    ";     Stops",
    ";     Long",
    ";     Short",
    ";     Vtx(0).X",
    ";     Vtx(0).Y",
    ";DrawArea Backcolor",
    ";Background Polygons",
    ";     Detail",
    ";     Color(0-1) (Fillcolor-Outline)",
    ";     NumVtx",
    ";          Vtxs()...",
    ";",
};
static_assert(std::size(HeaderLines) == 40);

constexpr const char* Eol = "\r\n";

// A text must not break the line structure: line breaks would start new
// lines, and a double quote inside a quoted text would end it early and
// lose the rest.
void AppendSafeText(std::string& out, std::string_view text, bool quoted) {
    for (char c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
        else if (quoted && c == '"')
            c = '\'';
        out.push_back(c);
    }
}

void QuotedLine(std::string& out, std::string_view text) {
    out.push_back('"');
    AppendSafeText(out, text, true);
    out.push_back('"');
    out.append(Eol);
}

// A lane name is a plain line, unless it would read back as something else:
// a number (a space), the "Corners" keyword, or a shorter text (leading
// blanks are skipped, a comma ends the item, a leading quote starts a quoted
// item). Such names are written in quotes, which the reader takes whole.
bool NeedsQuotes(std::string_view name) {
    if (name.empty())
        return false;
    return name == "Corners" || name.front() == ' ' || name.front() == '\t' ||
           name.front() == '"' || name.find(',') != std::string_view::npos ||
           ReadsAsNumber(name);
}

// A plain line reads back without the blanks it starts with, a leading
// double quote would start a quoted item and a comma would end it: the
// blanks are left out, the quote and the commas replaced, so that what is
// written once reads back as itself.
void PlainLine(std::string& out, std::string_view text) {
    std::string safe;
    AppendSafeText(safe, text, false);
    std::replace(safe.begin(), safe.end(), ',', '.');
    const std::size_t start = safe.find_first_not_of(" \t");
    if (start == std::string::npos) {
        out.append(Eol);
        return;
    }
    if (safe[start] == '"')
        safe[start] = '\'';
    out.append(safe, start);
    out.append(Eol);
}

// Builds one field line: every field but the last is padded to its zone.
class FieldLine {
  public:
    explicit FieldLine(std::string& out) : out_(out), start_(out.size()) {}
    FieldLine& Single(float v) {
        Sep();
        AppendSingleText(out_, v);
        return *this;
    }
    FieldLine& IntText(std::int64_t v) {
        Sep();
        AppendIntText(out_, v);
        return *this;
    }
    FieldLine& Number(std::int64_t v) {
        Sep();
        AppendIntNumber(out_, v);
        return *this;
    }
    void End() { out_.append(Eol); }

  private:
    void Sep() {
        if (any_)
            PadToNextZone(out_, start_);
        any_ = true;
    }
    std::string& out_;
    std::size_t start_;
    bool any_ = false;
};

std::size_t EstimateSize(const Track& track) {
    std::size_t n = 2048;
    for (const Lane& lane : track.Lanes)
        n += lane.Name.size() + 2 + lane.Spaces.size() * (14 * 14);
    n += track.Corners.size() * 128;
    for (const BackPoly& p : track.BackPolys)
        n += 60 + p.Vtxs.size() * 28;
    return n;
}

} // namespace

std::string FormatTrack(const Track& track, const BuildStamp& stamp) {
    std::string out;
    out.reserve(EstimateSize(track));
    for (const char* line : HeaderLines) {
        out.append(line);
        out.append(Eol);
    }
    const TrackInfo& info = track.Info;
    QuotedLine(out, info.Name);
    QuotedLine(out, info.Description);
    QuotedLine(out, info.Location);
    PlainLine(out, info.Version);
    PlainLine(out, stamp.Date);
    PlainLine(out, stamp.Time);
    QuotedLine(out, info.Author);
    PlainLine(out, stamp.Version);
    PlainLine(out, info.RainyMax);
    PlainLine(out, info.ChangeableMax);

    PlainLine(out, "Start Positions");
    for (int k = 1; k <= 20; ++k)
        FieldLine(out).Number(track.StartPos[static_cast<std::size_t>(k)]).End();

    std::string name;
    for (const Lane& lane : track.Lanes) {
        name.clear();
        AppendSafeText(name, lane.Name, false);
        if (NeedsQuotes(name))
            QuotedLine(out, name);
        else
            PlainLine(out, name);
        for (const Space& s : lane.Spaces) {
            FieldLine(out)
                .Single(s.Pt[0].x)
                .Single(s.Pt[0].y)
                .IntText(s.Rotation)
                .Single(s.Scale)
                .Number(s.Symbol)
                .Single(s.LanePos)
                .Number(s.Nxt[0])
                .Number(s.Nxt[1])
                .Number(s.Adj[0])
                .Number(s.Adj[1])
                .Number(s.Adj[2])
                .Number(s.Adj[3])
                .Number(s.Segment)
                .Number(s.GapPart)
                .End();
        }
    }

    PlainLine(out, "Corners");
    for (const Corner& c : track.Corners) {
        QuotedLine(out, c.Name);
        FieldLine(out)
            .Number(c.Stops)
            .Number(c.Long)
            .Number(c.Short)
            .Single(c.Vtx[0].x)
            .Single(c.Vtx[0].y)
            .End();
    }

    PlainLine(out, "Backcolor");
    // Colours are written as the signed 32-bit value the game reads.
    FieldLine(out).Number(static_cast<std::int32_t>(track.BackColor)).End();

    PlainLine(out, "Background Polygons");
    for (const BackPoly& p : track.BackPolys) {
        FieldLine(out)
            .Number(p.Detail)
            .Number(static_cast<std::int32_t>(p.FillColor))
            .Number(static_cast<std::int32_t>(p.OutlineColor))
            .Number(static_cast<std::int64_t>(p.Vtxs.size()) - 1)
            .End();
        for (const PointI& v : p.Vtxs)
            FieldLine(out).IntText(v.x).IntText(v.y).End();
    }
    return out;
}

namespace {

std::string ErrorText(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\"";
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link); false for a chain that loops or cannot be read.
bool FollowLinks(std::filesystem::path& p) {
    namespace fs = std::filesystem;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return true;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec)
            return false;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return false;
}

// True when an existing file must not be replaced: its mode allows no one to
// write it (a file made read-only on purpose, even for root), or this user
// may not write it.
bool IsReadOnlyFile(const std::filesystem::path& p) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);
    if (ec || !fs::is_regular_file(st))
        return false;
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((st.permissions() & anyWrite) == fs::perms::none)
        return true;
#if defined(__unix__) || defined(__APPLE__)
    return ::access(p.c_str(), W_OK) != 0;
#else
    return false;
#endif
}

// Writes `text` to a fresh file beside `path` and renames it over `path`, so
// that a failure at any point leaves the old file as it was. A symbolic link
// stays a link: the file it names is the one replaced.
SaveResult WriteAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    SaveResult result;
    fs::path target(path);
    std::error_code ec;
    if (target.filename().empty()) {
        result.error = ErrorText("No file name in", path);
        return result;
    }
    if (!FollowLinks(target)) {
        result.error = ErrorText("The symbolic link leads nowhere it can be followed:", path);
        return result;
    }
    if (fs::is_directory(target, ec)) {
        result.error = ErrorText("A folder has that name:", path);
        return result;
    }
    if (IsReadOnlyFile(target)) {
        result.error = ErrorText("The file is read-only:", target.string());
        return result;
    }
    fs::path folder = target.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        result.error = ErrorText("The folder does not exist:", folder.string());
        return result;
    }

    std::random_device rd;
    std::FILE* f = nullptr;
    fs::path temp;
    for (int attempt = 0; attempt < 16 && !f; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(rd() % 1000000u);
        // "x": never reuse a file that happens to exist already.
        f = std::fopen(temp.c_str(), "wbx");
    }
    if (!f) {
        result.error = ErrorText("Cannot create a file in", folder.empty() ? "." : folder.string());
        return result;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        fs::remove(temp, ec);
        result.error = ErrorText("Cannot write", path);
        return result;
    }
    // The replacement keeps the permissions the old file had, and its owner
    // and group as far as this user may give them.
    std::error_code statusError, permissionError;
    const fs::file_status old = fs::status(target, statusError);
    if (!statusError && fs::is_regular_file(old)) {
        fs::permissions(temp, old.permissions(), permissionError);
#if defined(__unix__) || defined(__APPLE__)
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0 && ::chown(temp.c_str(), st.st_uid, st.st_gid) != 0) {
            // Not allowed to give the file away: keep its group at least.
            [[maybe_unused]] const int kept = ::chown(temp.c_str(), static_cast<uid_t>(-1), st.st_gid);
        }
#endif
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        result.error = ErrorText("Cannot replace", path) + ": " + ec.message();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

SaveResult SaveTrack(Track& track, const std::string& path, const BuildStamp& stamp) {
    NormalizeLaneOrder(track);
    SaveResult result = WriteAtomically(path, FormatTrack(track, stamp));
    if (result.ok) {
        track.Info.BuildDate = stamp.Date;
        track.Info.BuildTime = stamp.Time;
        track.Info.DesignerVersion = stamp.Version;
    }
    return result;
}

} // namespace td
