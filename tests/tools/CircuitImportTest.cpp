#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "CircuitLines.h"
#include "model/LaneRoles.h"
#include "model/TrackCheck.h"
#include "tools/CircuitImport.h"
#include "tools/CircuitShape.h"
#include "ToolTracks.h"

using namespace td;
using circuit_lines::Xy;

namespace {

constexpr double Pi = 3.14159265358979323846;

std::string Circuit(const std::string& name) {
    return std::string(TD_TEST_DATA_DIR) + "/circuits/" + name;
}

CircuitLine Line(const std::vector<Xy>& pts, const std::string& name = "Test Ring") {
    return {circuit_lines::ToGeo(pts), name};
}

CircuitImport Import(const CircuitLine& line, int lanes, int length = 0, bool reverse = false) {
    CircuitImportOptions o;
    o.Lanes = lanes;
    o.Length = length;
    o.Reverse = reverse;
    return ImportCircuit(line, o);
}

std::vector<const Lane*> Racing(const Track& t) {
    const LaneRoles roles = FindLaneRoles(t);
    std::vector<const Lane*> out;
    for (int l = roles.FirstRacing; l <= roles.LastRacing; ++l)
        out.push_back(&t.Lanes[static_cast<size_t>(l)]);
    return out;
}

using test::Gap;
using test::SpaceEnd;

// What every imported track must be: raceable as it stands, with its lanes
// closed end to end and moving forward all the way round.
void ExpectRaceable(const CircuitImport& r, int lanes) {
    ASSERT_TRUE(r.Ok) << r.Error;
    const std::vector<std::string> problems = CheckTrack(r.Result);
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
    const auto racing = Racing(r.Result);
    ASSERT_EQ(racing.size(), static_cast<size_t>(lanes));
    for (const Lane* lane : racing) {
        const auto& s = lane->Spaces;
        for (size_t k = 0; k < s.size(); ++k) {
            const Space& next = s[(k + 1) % s.size()];
            // Headings are whole degrees: ends meet to within a unit or two.
            EXPECT_LT(Gap(SpaceEnd(s[k], 1), SpaceEnd(next, -1)), 2.5) << lane->Name << " " << k;
            EXPECT_GT(s[k].Scale, 0.2f) << lane->Name << " " << k;
            if (k + 1 < s.size()) {
                EXPECT_GE(next.LanePos, s[k].LanePos) << lane->Name << " " << k;
            }
            // Even round a hairpin tighter than the lanes no space turns back
            // on the one before it, nor sits on it.
            int turn = std::abs(next.Rotation - s[k].Rotation) % 360;
            turn = std::min(turn, 360 - turn);
            EXPECT_LT(turn, 150) << lane->Name << " " << k;
            EXPECT_GT(Gap(s[k].Pt[0], next.Pt[0]), 0.5 * SpaceHalfLength) << lane->Name << " " << k;
        }
    }
}

// The distance from p to the nearest point of the lap in world units.
double ToLine(const Path& world, PointF p) {
    const PathPoint q = world.At(world.Project(p.x, p.y));
    return std::hypot(q.x - p.x, q.y - p.y);
}

Path WorldLap(const CircuitLine& line, const CircuitImport& r, bool reverse = false) {
    Path lap;
    std::string error;
    EXPECT_TRUE(ShapeCircuit(line.points, reverse, lap, error)) << error;
    std::vector<PointF> pts;
    for (const PathPoint& p : lap.Points())
        pts.push_back({static_cast<float>(p.x * r.UnitsPerMetre + r.Shift.x),
                       static_cast<float>(p.y * r.UnitsPerMetre + r.Shift.y)});
    return Path::Through(pts, true);
}

TEST(CircuitRead, ReadsEachFormatByItsContent) {
    CircuitLine line;
    std::string error;
    ASSERT_TRUE(ReadCircuitText(R"({"type":"Feature","properties":{"Name":"Ring"},
        "geometry":{"type":"MultiLineString","coordinates":[[[1,2],[3,4,5]],[[9,9],[8,8]]]}})",
                                line, error))
        << error;
    EXPECT_EQ(line.name, "Ring");
    ASSERT_EQ(line.points.size(), 2u);
    EXPECT_EQ(line.points[1].lon, 3);
    EXPECT_EQ(line.points[1].lat, 4);

    // A collection's first feature with a line; a polygon's outer ring.
    ASSERT_TRUE(ReadCircuitText(R"({"type":"FeatureCollection","name":"coll","features":[
        {"type":"Feature","geometry":{"type":"Point","coordinates":[0,0]}},
        {"type":"Feature","properties":{},"geometry":{"type":"Polygon",
         "coordinates":[[[1,1],[2,1],[2,2]],[[5,5],[6,6]]]}}]})",
                                line, error));
    EXPECT_EQ(line.points.size(), 3u);
    EXPECT_EQ(line.name, "coll");

    ASSERT_TRUE(ReadCircuitText(R"(<?xml version="1.0"?>
        <gpx xmlns="http://www.topografix.com/GPX/1/1"><rte><name>Route</name>
        <rtept lat="45.5" lon="9.25"/><rtept lat="45.6" lon="9.5"/></rte></gpx>)",
                                line, error));
    EXPECT_EQ(line.name, "Route");
    ASSERT_EQ(line.points.size(), 2u);
    EXPECT_EQ(line.points[0].lon, 9.25);
    EXPECT_EQ(line.points[0].lat, 45.5);

    ASSERT_TRUE(ReadCircuitText(R"(<kml xmlns="http://www.opengis.net/kml/2.2"><Document>
        <name>Doc</name><Placemark><name>Mark</name><LineString><coordinates>
        1.5,2.5,0 3,4
        </coordinates></LineString></Placemark></Document></kml>)",
                                line, error));
    EXPECT_EQ(line.name, "Mark");
    ASSERT_EQ(line.points.size(), 2u);
    EXPECT_EQ(line.points[1].lat, 4);

    // The shared Silverstone line reads the same from GeoJSON and GPX.
    CircuitLine json, gpx;
    ASSERT_TRUE(ReadCircuitFile(Circuit("gb-1948.geojson"), json, error));
    ASSERT_TRUE(ReadCircuitFile(Circuit("gb-1948.gpx"), gpx, error));
    EXPECT_EQ(json.name, "Silverstone Circuit");
    EXPECT_EQ(gpx.name, "Silverstone Circuit");
    EXPECT_NEAR(json.points.front().lat, gpx.points.front().lat, 1e-6);
    EXPECT_NEAR(json.points.front().lon, gpx.points.front().lon, 1e-6);
}

TEST(CircuitRead, RefusesFilesWithoutALine) {
    CircuitLine line;
    std::string error;
    EXPECT_FALSE(ReadCircuitText(R"({"type":"Feature","geometry":{"type":"Point",
        "coordinates":[1,2]}})", line, error));
    EXPECT_EQ(error, "the file holds no circuit line");
    EXPECT_FALSE(ReadCircuitText(R"({"type":"Feature","geometry":{"type":"LineString",
        "coordinates":[[1,"x"]]}})", line, error));
    EXPECT_FALSE(ReadCircuitText("{\"type\": ", line, error));
    EXPECT_EQ(error, "the file is not valid GeoJSON");
    EXPECT_FALSE(ReadCircuitText("<gpx><trk><trkseg></trkseg></trk></gpx>", line, error));
    EXPECT_EQ(error, "the file holds no circuit line");
    EXPECT_FALSE(ReadCircuitText("<gpx><trk><trkpt lat=\"a\" lon=\"1\"/></trk></gpx>", line, error));
    EXPECT_FALSE(ReadCircuitText("<kml><LineString><coordinates>1;2</coordinates></LineString></kml>",
                                 line, error));
    EXPECT_FALSE(ReadCircuitText("<html/>", line, error));
    EXPECT_EQ(error, "the file is neither GeoJSON, GPX nor KML");
    EXPECT_FALSE(ReadCircuitFile(Circuit("missing.gpx"), line, error));
}

TEST(CircuitImport, RefusesLinesThatMakeNoCircuit) {
    const auto ring = circuit_lines::Stadium(600, 100);
    std::vector<Xy> few(ring.begin(), ring.begin() + 9);
    CircuitImport r = Import(Line(few), 3);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Error, "the line has 9 points; a circuit needs at least 10");

    // Half a lap: the end lies across the infield from the start.
    std::vector<Xy> open(ring.begin(), ring.begin() + static_cast<long>(ring.size() / 2));
    r = Import(Line(open), 3);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Error.rfind("the line does not close: its end lies ", 0), 0u) << r.Error;

    CircuitLine bad = Line(ring);
    bad.points[4].lat = 91;
    r = Import(bad, 3);
    EXPECT_FALSE(r.Ok);
    EXPECT_NE(r.Error.find("is no longitude and latitude"), std::string::npos) << r.Error;
    bad.points[4].lat = std::nan("");
    EXPECT_FALSE(Import(bad, 3).Ok);
}

TEST(CircuitImport, SharedCircuitsRaceAtThreeAndFourLanes) {
    for (const char* file : {"it-1922.geojson", "gb-1948.geojson", "gb-1948.gpx",
                             "be-1925.geojson", "be-1925.kml"})
        for (int lanes : {3, 4}) {
            SCOPED_TRACE(std::string(file) + " " + std::to_string(lanes));
            CircuitImportOptions o;
            o.Lanes = lanes;
            const CircuitImport r = ImportCircuitFile(Circuit(file), o);
            ExpectRaceable(r, lanes);
            // About a standard space per 45 m in the longest lane.
            size_t longest = 0;
            for (const Lane* l : Racing(r.Result))
                longest = std::max(longest, l->Spaces.size());
            EXPECT_NEAR(static_cast<double>(longest), r.LapMetres / 45, 3);
            EXPECT_GE(r.Result.Corners.size(), 5u);
        }
}

TEST(CircuitImport, LanesFollowTheLineInItsDrivingOrder) {
    CircuitLine line;
    std::string error;
    ASSERT_TRUE(ReadCircuitFile(Circuit("it-1922.geojson"), line, error));
    for (bool reverse : {false, true}) {
        SCOPED_TRACE(reverse ? "reversed" : "as drawn");
        const CircuitImport r = Import(line, 3, 0, reverse);
        ExpectRaceable(r, 3);
        const Path world = WorldLap(line, r, reverse);
        // The middle lane lies on the line.
        const Lane& middle = *Racing(r.Result)[1];
        double sum = 0, worst = 0;
        for (const Space& s : middle.Spaces) {
            const double d = ToLine(world, s.Pt[0]);
            sum += d;
            worst = std::max(worst, d);
        }
        EXPECT_LT(sum / middle.Spaces.size(), SpaceHalfWidth);
        EXPECT_LT(worst, 2 * SpaceHalfLength);
        // It starts at the line's first point, heading along the line, and
        // its lane positions count the distance driven along it.
        const Space& first = middle.Spaces.front();
        EXPECT_LT(Gap(SpaceEnd(first, -1), {static_cast<float>(world.Point(0).x),
                                       static_cast<float>(world.Point(0).y)}),
                  SpaceHalfLength);
        const double heading = world.HeadingAt(SpaceHalfLength);
        double diff = std::fmod(std::fabs(first.Rotation - heading), 360.0);
        EXPECT_LT(std::min(diff, 360 - diff), 15);
        const size_t q = middle.Spaces.size() / 4;
        EXPECT_NEAR(middle.Spaces[q].LanePos * 2 * SpaceHalfLength,
                    world.Project(middle.Spaces[q].Pt[0].x, middle.Spaces[q].Pt[0].y),
                    4 * SpaceHalfLength);
        EXPECT_EQ(r.Result.Corners.front().Name, "Turn 1");
        EXPECT_EQ(r.Result.Info.Name, "Autodromo Nazionale Monza");
    }
}

TEST(CircuitImport, LengthSetsTheLongestLane) {
    const CircuitLine line = Line(circuit_lines::Stadium(1500, 120));
    for (int length : {60, 250, 990}) {
        const CircuitImport r = Import(line, 4, length);
        ExpectRaceable(r, 4);
        size_t longest = 0;
        for (const Lane* l : Racing(r.Result))
            longest = std::max(longest, l->Spaces.size());
        EXPECT_LE(longest, static_cast<size_t>(length));
        EXPECT_GE(longest, static_cast<size_t>(length - 2));
    }
    // The two ends of the stadium are its corners.
    EXPECT_EQ(Import(line, 3).Result.Corners.size(), 2u);
}

TEST(CircuitImport, HairpinTighterThanTheLanes) {
    const CircuitLine line = Line(circuit_lines::Hairpin());
    for (int lanes : {3, 4}) {
        SCOPED_TRACE(lanes);
        const CircuitImport r = Import(line, lanes);
        ExpectRaceable(r, lanes);
        // The hairpin's radius is below the offset of the inner lanes.
        EXPECT_LT(15 * r.UnitsPerMetre, 2 * SpaceHalfWidth);
    }
}

TEST(CircuitImport, SelfCrossingLine) {
    const CircuitLine line = Line(circuit_lines::FigureEight(250));
    for (int lanes : {3, 4})
        ExpectRaceable(Import(line, lanes), lanes);
}

TEST(CircuitImport, NoisyRecordingOfThreeLaps) {
    const auto lap = circuit_lines::Stadium(900, 90);
    const CircuitLine clean = Line(lap);
    const CircuitLine noisy = Line(circuit_lines::Recording(lap, 3, 15, 3));
    const CircuitImport r = Import(noisy, 3);
    ExpectRaceable(r, 3);
    const double length = 2 * 900 + 2 * Pi * 90;
    EXPECT_NEAR(r.LapMetres, length, length * 0.02);
    EXPECT_EQ(r.Result.Corners.size(), Import(clean, 3).Result.Corners.size());
}

TEST(CircuitImport, SummaryNamesLanesSpacesAndCorners) {
    CircuitImport r = Import(Line(circuit_lines::Stadium(1500, 120), "Oval"), 3);
    const auto racing = Racing(r.Result);
    size_t lo = 1000, hi = 0;
    for (const Lane* l : racing)
        lo = std::min(lo, l->Spaces.size()), hi = std::max(hi, l->Spaces.size());
    EXPECT_EQ(ImportSummary(r.Result), "Imported Oval: 3 lanes of " + std::to_string(lo) +
                                           " to " + std::to_string(hi) + " spaces, 2 corners");
}

} // namespace
