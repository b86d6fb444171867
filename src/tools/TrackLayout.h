#pragma once
// The centre line of a circuit as a list of straights and arcs, and the
// paths of the lanes beside it. Distances are world units; headings are
// degrees with 0 along +x and positive turns clockwise on the screen (to the
// driver's right).

#include <string>
#include <vector>

namespace td {

struct TrackPiece {
    double Length = 0; // straights only
    double Radius = 0; // arcs only: of the centre line
    double Turn = 0;   // arcs only: degrees, > 0 turns right, < 0 left

    static TrackPiece Straight(double length) { return {length, 0, 0}; }
    static TrackPiece Arc(double radius, double degrees) { return {0, radius, degrees}; }
    bool IsArc() const { return Turn != 0; }
};

using TrackLayout = std::vector<TrackPiece>;

struct Pose {
    double x = 0, y = 0;
    double heading = 0; // degrees
};

// Makes the layout end where it starts, heading the same way: the turns must
// add up to a whole turn either way, and the last piece and the straight most
// across it change length to close the gap. False with a reason when the
// layout cannot be closed that way.
bool CloseLayout(TrackLayout& layout, std::string& error);

// The layout with every length and radius multiplied by `factor`.
TrackLayout ScaledLayout(const TrackLayout& layout, double factor);

// Reads a layout written in standard space lengths (200 units):
// "S12" a straight of 12 spaces, "R3:90" an arc of radius 3 turning 90
// degrees right, "L2.5:45" one turning 45 degrees left; words separated by
// blanks or commas. False with a reason on a word it cannot read.
bool ParseLayout(const std::string& text, TrackLayout& layout, std::string& error);

// A circuit of seven corners of different radii turning both ways around a
// long main straight, about `spaces` standard spaces long on its centre line,
// starting on the main straight near its end.
TrackLayout GrandPrixLayout(double spaces);
// A plain oval for short tracks.
TrackLayout OvalLayout(double spaces);

// Poses along a closed layout, on the centre line or on a parallel path
// `offset` units to the driver's right.
class LayoutPath {
  public:
    explicit LayoutPath(const TrackLayout& layout);

    int Pieces() const { return static_cast<int>(pieces_.size()); }
    const TrackPiece& Piece(int i) const { return pieces_[static_cast<size_t>(i)]; }
    // Length of piece i on the path at `offset`.
    double PieceLength(int i, double offset) const;
    double Length(double offset) const;
    // The pose `t` units into piece i on the path at `offset`.
    Pose At(int i, double t, double offset) const;
    // The pose at distance s from the start along the path at `offset`;
    // s wraps around the lap. `piece` receives the piece it lies in and `t`
    // the distance into it.
    Pose AtDistance(double s, double offset, int* piece = nullptr, double* t = nullptr) const;
    // The centre-line start pose of piece i.
    const Pose& Start(int i) const { return starts_[static_cast<size_t>(i)]; }

  private:
    TrackLayout pieces_;
    std::vector<Pose> starts_;
};

} // namespace td
