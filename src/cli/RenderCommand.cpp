#include "RenderCommand.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>

#include <QImage>
#include <QString>

#include "model/TrackFile.h"
#include "render/Pipeline.h"
#include "render/Scene.h"
#include "render/qt/QImageSurface.h"
#include "view/FitView.h"
#include "view/ViewOps.h"

namespace trktool {

namespace {

constexpr int ExitOk = 0;
constexpr int ExitError = 2;
constexpr float TwipsPerPixel = 15.0f;
// Larger pictures are refused rather than risking an allocation the
// machine cannot make.
constexpr int MaxSide = 16384;
constexpr long long MaxPixels = 64LL * 1024 * 1024;

struct RenderOptions {
    std::string in;
    std::string out;
    int width = 1600;
    int height = 1000;
    std::optional<float> zoom;
    bool wireframe = false;
    int detail = 2;
};

int Fail(const std::string& message) {
    std::cerr << "trktool: " << message << "\n";
    return ExitError;
}

template <class T> bool ParseNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseSize(const std::string& text, int& w, int& h) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    return ParseNumber(text.substr(0, x), w) && ParseNumber(text.substr(x + 1), h);
}

// Returns an error message, or nothing when the words make a valid command.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, RenderOptions& opt) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            (void)name;
            return args[++i];
        };
        if (a == "--wireframe") {
            opt.wireframe = true;
        } else if (a == "--size") {
            const auto v = value("--size");
            if (!v || !ParseSize(*v, opt.width, opt.height) || opt.width < 1 || opt.height < 1 ||
                opt.width > MaxSide || opt.height > MaxSide ||
                static_cast<long long>(opt.width) * opt.height > MaxPixels)
                return "render: --size needs WIDTHxHEIGHT in pixels, each 1 to 16384";
        } else if (a == "--zoom") {
            const auto v = value("--zoom");
            float z = 0.0f;
            if (!v || !ParseNumber(*v, z) || !std::isfinite(z) || z <= 0.0f)
                return "render: --zoom needs a number greater than 0";
            opt.zoom = z;
        } else if (a == "--detail") {
            const auto v = value("--detail");
            if (!v || !ParseNumber(*v, opt.detail) || opt.detail < 1 || opt.detail > 4)
                return "render: --detail needs a level from 1 to 4";
        } else if (a.size() > 1 && a[0] == '-') {
            return "render: unknown option " + a;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2)
        return "render: usage: trktool render IN OUT.png [--size WxH] [--zoom Z] [--wireframe] "
               "[--detail 1-4]";
    opt.in = positional[0];
    opt.out = positional[1];
    return std::nullopt;
}

// The fit of the editor's "Fit Track in View", or the given zoom centred on
// the track.
void FitView(td::ViewState& view, const td::Track& track, std::optional<float> zoom) {
    if (!zoom) {
        td::FitTrackInView(view, track);
        return;
    }
    view.Zoom = *zoom;
    const td::WorldExtent box = td::TrackExtent(track);
    if (box.Empty)
        td::CenterView(view);
    else
        td::CenterSpace(view, static_cast<float>((static_cast<double>(box.MinX) + box.MaxX) / 2),
                        static_cast<float>((static_cast<double>(box.MinY) + box.MaxY) / 2));
}

// The editor's state right after opening a track: the first space of lane 2
// is current. The first corner is made current so that the flags show, and
// no polygon is, so that none is hatched.
void SelectLikeAfterOpening(const td::Track& track, td::Selection& sel) {
    sel.CurLane = 2;
    sel.CurSpace = 0;
    sel.CurCorner = track.Corners.empty() ? -1 : 0;
    sel.CurPoly = -1;
    sel.PolyClosed = true;
    sel.PrimarySpace = td::NoSpace;
    if (const td::Space* s = track.Find(2, 0)) {
        sel.WorkPts = s->Pt;
        sel.WorkRotation = s->Rotation;
        sel.WorkScale = s->Scale;
        sel.WorkCOR = s->COR;
    }
}

} // namespace

int RunRenderCommand(const std::vector<std::string>& args) {
    RenderOptions opt;
    if (auto error = ParseArgs(args, opt))
        return Fail(*error);

    td::Track track;
    const td::LoadResult r = td::LoadTrack(track, opt.in);
    if (!r.opened)
        return Fail("cannot read " + opt.in + ": " + r.reason);
    if (!r.complete)
        std::cerr << "trktool: " << opt.in << ": line " << r.line
                  << ": reading stopped: " << r.reason << "; drawing what was read\n";

    td::QImageSurface surface(opt.width, opt.height, TwipsPerPixel, TwipsPerPixel);
    td::ViewState view;
    view.TwipsPerPixelX = TwipsPerPixel;
    view.TwipsPerPixelY = TwipsPerPixel;
    view.AreaWidth = surface.Width();
    view.AreaHeight = surface.Height();
    view.DetailLevel = static_cast<std::int16_t>(opt.detail);
    FitView(view, track, opt.zoom);

    td::Selection sel;
    SelectLikeAfterOpening(track, sel);
    td::DisplayOptions display;
    display.Filled = !opt.wireframe;
    td::TrackBounds bounds;
    td::Scene scene{surface, track, sel, view, display, bounds, true};
    td::RefreshView(scene);

    if (!surface.Image().save(QString::fromStdString(opt.out), "PNG"))
        return Fail("cannot write " + opt.out);
    return ExitOk;
}

} // namespace trktool
