#include "tools/TrackLayout.h"

#include <charconv>
#include <cmath>

namespace td {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SpaceUnits = 200.0;

double Rad(double degrees) {
    return degrees * Pi / 180.0;
}

// The driver's right of a heading (y grows downwards).
void RightOf(double heading, double& nx, double& ny) {
    nx = std::cos(Rad(heading + 90));
    ny = std::sin(Rad(heading + 90));
}

Pose Advance(const Pose& p, const TrackPiece& piece, double t, double offset) {
    double nx, ny;
    RightOf(p.heading, nx, ny);
    if (!piece.IsArc()) {
        return {p.x + offset * nx + t * std::cos(Rad(p.heading)),
                p.y + offset * ny + t * std::sin(Rad(p.heading)), p.heading};
    }
    const double side = piece.Turn > 0 ? 1.0 : -1.0;
    const double cx = p.x + side * piece.Radius * nx;
    const double cy = p.y + side * piece.Radius * ny;
    const double rho = piece.Radius - side * offset;
    const double heading = p.heading + side * t / rho * 180.0 / Pi;
    RightOf(heading, nx, ny);
    return {cx - side * rho * nx, cy - side * rho * ny, heading};
}

double FullLength(const TrackPiece& piece, double offset) {
    if (!piece.IsArc())
        return piece.Length;
    const double side = piece.Turn > 0 ? 1.0 : -1.0;
    return (piece.Radius - side * offset) * Rad(std::fabs(piece.Turn));
}

Pose EndOf(const TrackLayout& layout) {
    Pose p;
    for (const TrackPiece& piece : layout)
        p = Advance(p, piece, FullLength(piece, 0), 0);
    return p;
}

} // namespace

bool CloseLayout(TrackLayout& layout, std::string& error) {
    if (layout.empty() || layout.back().IsArc()) {
        error = "the layout must end with a straight";
        return false;
    }
    double turn = 0;
    for (const TrackPiece& piece : layout) {
        if (piece.IsArc() && piece.Radius <= 0) {
            error = "an arc needs a radius above 0";
            return false;
        }
        if (!piece.IsArc() && piece.Length < 0) {
            error = "a straight cannot be shorter than nothing";
            return false;
        }
        turn += piece.Turn;
    }
    if (std::fabs(std::fabs(turn) - 360.0) > 1e-6) {
        error = "the turns add up to " + std::to_string(turn) + " degrees, not to a whole turn";
        return false;
    }
    // Headings of the straights: the last piece and the one most across it.
    std::vector<double> headings;
    double h = 0;
    for (const TrackPiece& piece : layout) {
        headings.push_back(h);
        h += piece.Turn;
    }
    const size_t a = layout.size() - 1;
    size_t b = a;
    double best = 0;
    for (size_t i = 0; i < a; ++i) {
        const double across = std::fabs(std::sin(Rad(headings[i] - headings[a])));
        if (!layout[i].IsArc() && across > best + 1e-9) {
            best = across;
            b = i;
        }
    }
    if (b == a || best < 0.2) {
        error = "the layout needs a straight across its last one to close the lap";
        return false;
    }
    const Pose end = EndOf(layout);
    // Solve da * u(a) + db * u(b) = -end.
    const double ax = std::cos(Rad(headings[a])), ay = std::sin(Rad(headings[a]));
    const double bx = std::cos(Rad(headings[b])), by = std::sin(Rad(headings[b]));
    const double det = ax * by - ay * bx;
    const double da = (-end.x * by + end.y * bx) / det;
    const double db = (-ax * end.y + ay * end.x) / det;
    if (layout[a].Length + da < SpaceUnits || layout[b].Length + db < SpaceUnits) {
        error = "closing the lap would leave a straight shorter than one space";
        return false;
    }
    layout[a].Length += da;
    layout[b].Length += db;
    return true;
}

TrackLayout ScaledLayout(const TrackLayout& layout, double factor) {
    TrackLayout out = layout;
    for (TrackPiece& piece : out) {
        piece.Length *= factor;
        piece.Radius *= factor;
    }
    return out;
}

bool ParseLayout(const std::string& text, TrackLayout& layout, std::string& error) {
    layout.clear();
    size_t i = 0;
    auto number = [&](double& v) {
        const char* first = text.data() + i;
        auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), v);
        if (ec != std::errc() || ptr == first)
            return false;
        i = static_cast<size_t>(ptr - text.data());
        return true;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == ',') {
            ++i;
            continue;
        }
        const size_t wordStart = i;
        ++i;
        double first = 0, second = 0;
        bool ok = number(first) && first > 0;
        if (ok && c == 'S') {
            layout.push_back(TrackPiece::Straight(first * SpaceUnits));
        } else if (ok && (c == 'R' || c == 'L') && i < text.size() && text[i] == ':') {
            ++i;
            ok = number(second) && second > 0 && second <= 360;
            if (ok)
                layout.push_back(TrackPiece::Arc(first * SpaceUnits, c == 'R' ? second : -second));
        } else {
            ok = false;
        }
        if (!ok || (i < text.size() && text[i] != ' ' && text[i] != ',')) {
            const size_t end = text.find_first_of(" ,", wordStart);
            error = "cannot read \"" + text.substr(wordStart, end - wordStart) + "\"";
            return false;
        }
    }
    if (layout.empty()) {
        error = "the layout is empty";
        return false;
    }
    return true;
}

TrackLayout GrandPrixLayout(double spaces) {
    const auto S = [](double n) { return TrackPiece::Straight(n * SpaceUnits); };
    const auto A = [](double r, double turn) { return TrackPiece::Arc(r * SpaceUnits, turn); };
    // Drawn to close nearly by itself, so that closing keeps the main
    // straight long.
    TrackLayout base = {S(8), A(3, 90),  S(6), A(4, -50), S(3), A(6, 140), S(20), A(2.5, 70),
                        S(4), A(3, -40), S(8), A(5, 60),  S(8), A(4, 90),  S(20)};
    std::string error;
    CloseLayout(base, error);
    const double length = LayoutPath(base).Length(0);
    TrackLayout out = ScaledLayout(base, spaces * SpaceUnits / length);
    CloseLayout(out, error);
    return out;
}

TrackLayout OvalLayout(double spaces) {
    const double r = 3 * SpaceUnits;
    const double straight = std::max(SpaceUnits, (spaces * SpaceUnits - 2 * Pi * r) / 4);
    TrackLayout out = {TrackPiece::Straight(straight), TrackPiece::Arc(r, 180),
                       TrackPiece::Straight(2 * straight), TrackPiece::Arc(r, 180),
                       TrackPiece::Straight(straight)};
    std::string error;
    CloseLayout(out, error);
    return out;
}

LayoutPath::LayoutPath(const TrackLayout& layout) : pieces_(layout) {
    Pose p;
    for (const TrackPiece& piece : pieces_) {
        starts_.push_back(p);
        p = Advance(p, piece, FullLength(piece, 0), 0);
    }
}

double LayoutPath::PieceLength(int i, double offset) const {
    return FullLength(Piece(i), offset);
}

double LayoutPath::Length(double offset) const {
    double sum = 0;
    for (int i = 0; i < Pieces(); ++i)
        sum += PieceLength(i, offset);
    return sum;
}

Pose LayoutPath::At(int i, double t, double offset) const {
    return Advance(Start(i), Piece(i), t, offset);
}

Pose LayoutPath::AtDistance(double s, double offset, int* piece, double* t) const {
    const double total = Length(offset);
    if (total <= 0 || pieces_.empty())
        return {};
    s = std::fmod(s, total);
    if (s < 0)
        s += total;
    int i = 0;
    for (; i + 1 < Pieces(); ++i) {
        const double len = PieceLength(i, offset);
        if (s < len)
            break;
        s -= len;
    }
    if (piece)
        *piece = i;
    if (t)
        *t = s;
    return At(i, s, offset);
}

} // namespace td
