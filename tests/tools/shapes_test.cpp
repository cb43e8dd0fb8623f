// Tests of the mesh-building library: winding, closure, placement, mirroring, limits, and files
// that the engine's reader accepts without a word.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "mesh_checks.h"
#include "shapes/extrusion.h"
#include "shapes/figures.h"
#include "shapes/mirror.h"
#include "shapes/object_file.h"
#include "shapes/panel.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"
#include "trazel.h"

using namespace shapes;

namespace {

const Material kRed{200, 40, 40, 0.5};
const Material kGrey{128, 128, 128, 0};
const Placement kOffCentre{{30, -12, 7}, {16, 10, 24}};

// An L seen from the side: concave, so its caps must be cut into triangles.
const std::vector<Point2> kElbow{{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 3}, {0, 3}};
// Five points, wound clockwise, so the builder has to turn it round.
const std::vector<Point2> kStar = [] {
    std::vector<Point2> star;
    for (int i = 0; i < 10; ++i) {
        double angle = -std::numbers::pi * i / 5;
        double radius = i % 2 == 0 ? 2.0 : 0.8;
        star.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return star;
}();
const std::vector<Point2> kHexagon = [] {
    std::vector<Point2> hexagon;
    for (int i = 0; i < 6; ++i) {
        double angle = std::numbers::pi * i / 3;
        hexagon.push_back({std::cos(angle), std::sin(angle)});
    }
    return hexagon;
}();

struct ClosedCase {
    std::string name;
    std::function<Shape()> build;
    bool convex;
};

std::vector<ClosedCase> ClosedCases() {
    std::vector<ClosedCase> cases{
        {"Box", [] { return MakeBox(kOffCentre, kRed); }, true},
        {"Pyramid", [] { return MakePyramid(kOffCentre, kRed); }, true},
        {"UnitSphere",
         [] {
             return MakeSphere({{}, {2, 2, 2}}, 2, 3, kRed);
         },
         true},
        {"Sphere8x12", [] { return MakeSphere(kOffCentre, 8, 12, kRed); }, true},
        {"Sphere7x9", [] { return MakeSphere(kOffCentre, 7, 9, kRed); }, true},
        {"HalfBoxJoined",
         [] {
             return JoinMirroredHalves(MakeBox({{0, 5, 0}, {20, 10, 6}}, kRed));
         },
         true},
        {"MirroredSphere", [] { return MirrorInY(MakeSphere(kOffCentre, 5, 7, kRed)); }, true},
        {"MirroredElbow",
         [] { return MirrorInY(MakeExtrusion(kElbow, Axis::Y, kOffCentre, kRed)); }, false},
        {"ConeTurnedForward",
         [] {
             Shape cone = MakeCone(kOffCentre, 6, kRed);
             TurnUpToForward(cone);
             return cone;
         },
         true},
        {"LegsJoined",
         [] {
             return JoinMirroredHalves(MakePrism({{0, 6, 8}, {4, 4, 16}}, 6, kRed));
         },
         false},
        {"ConeAlongASlantSegment",
         [] {
             return AlongSegment(MakeCone({{0, 0, 5}, {4, 4, 10}}, 7, kRed), {3, -2, 1},
                                 {-4, 5, 9});
         },
         true},
        {"ConeCarriedThenMirrored",
         [] {
             return MirrorInY(
                 AlongSegment(MakeCone({{0, 0, 5}, {4, 4, 10}}, 7, kRed), {3, 2, 1}, {-4, 8, 9}));
         },
         true},
        {"ConeStretched",
         [] {
             return Stretched(MakeCone(kOffCentre, 5, kRed), {2, 0.5, 3});
         },
         true},
    };
    for (int sides : {3, 4, 5, 8, 9, 24}) {
        std::string count = std::to_string(sides);
        cases.push_back(
            {"Prism" + count, [=] { return MakePrism(kOffCentre, sides, kRed); }, true});
        cases.push_back({"Cone" + count, [=] { return MakeCone(kOffCentre, sides, kRed); }, true});
    }
    const std::pair<const char *, Axis> axes[] = {{"X", Axis::X}, {"Y", Axis::Y}, {"Z", Axis::Z}};
    for (const auto &[axisName, axis] : axes) {
        std::string along = std::string("Along") + axisName;
        cases.push_back({"Hexagon" + along,
                         [=] { return MakeExtrusion(kHexagon, axis, kOffCentre, kRed); }, true});
        cases.push_back({"Elbow" + along,
                         [=] { return MakeExtrusion(kElbow, axis, kOffCentre, kRed); }, false});
        cases.push_back(
            {"Star" + along, [=] { return MakeExtrusion(kStar, axis, kOffCentre, kRed); }, false});
        cases.push_back({std::string("ConeTurnedAbout") + axisName,
                         [=] { return Turned(MakeCone(kOffCentre, 5, kRed), axis, 0.7); }, true});
    }
    return cases;
}

void PrintTo(const ClosedCase &closedCase, std::ostream *out) {
    *out << closedCase.name;
}

class ClosedShapeTest : public ::testing::TestWithParam<ClosedCase> {};

TEST_P(ClosedShapeTest, SurfaceIsClosedAndWoundOneWay) {
    EXPECT_EQ(ClosureProblem(GetParam().build()), "");
}

TEST_P(ClosedShapeTest, FacesAreFlatConvexAndWithinTheCornerLimit) {
    Shape shape = GetParam().build();
    EXPECT_EQ(FlatConvexProblem(shape), "");
    for (const Face &face : shape.faces) {
        EXPECT_GE(face.corners.size(), 3u);
        EXPECT_LE(face.corners.size(), size_t(kMostFaceCorners));
    }
}

TEST_P(ClosedShapeTest, EnclosesAPositiveVolume) {
    EXPECT_GT(SignedVolume(GetParam().build()), 0);
}

TEST_P(ClosedShapeTest, ConvexShapesHaveEveryNormalPointingAwayFromTheCentre) {
    if (!GetParam().convex) return;  // concave shapes are covered by the next test
    Shape shape = GetParam().build();
    Point3 centre = CentreOf(BoundsOf(shape));
    for (size_t f = 0; f < shape.faces.size(); ++f) {
        std::optional<Point3> normal = EngineNormal(shape, shape.faces[f]);
        ASSERT_TRUE(normal) << "face " << f;
        EXPECT_GT(Dot(FaceCentre(shape, shape.faces[f]) - centre, *normal), 0) << "face " << f;
    }
}

TEST_P(ClosedShapeTest, EveryNormalPointsFromInsideToOutside) {
    Shape shape = GetParam().build();
    double step = 1e-4 * Length(BoundsOf(shape).highest - BoundsOf(shape).lowest);
    for (size_t f = 0; f < shape.faces.size(); ++f) {
        std::optional<Point3> normal = EngineNormal(shape, shape.faces[f]);
        ASSERT_TRUE(normal) << "face " << f;
        Point3 centre = FaceCentre(shape, shape.faces[f]);
        EXPECT_FALSE(IsInside(shape, centre + *normal * step)) << "face " << f;
        EXPECT_TRUE(IsInside(shape, centre - *normal * step)) << "face " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Builders, ClosedShapeTest, ::testing::ValuesIn(ClosedCases()),
                         [](const auto &info) { return info.param.name; });

void ExpectSpans(const Shape &shape, const Placement &placement) {
    Bounds bounds = BoundsOf(shape);
    const Point3 half = placement.size * 0.5;
    const Point3 low = placement.centre - half, high = placement.centre + half;
    EXPECT_NEAR(bounds.lowest.x, low.x, 1e-9);
    EXPECT_NEAR(bounds.lowest.y, low.y, 1e-9);
    EXPECT_NEAR(bounds.lowest.z, low.z, 1e-9);
    EXPECT_NEAR(bounds.highest.x, high.x, 1e-9);
    EXPECT_NEAR(bounds.highest.y, high.y, 1e-9);
    EXPECT_NEAR(bounds.highest.z, high.z, 1e-9);
}

TEST(Placement, EveryBuilderFillsItsPlacementExactly) {
    ExpectSpans(MakeBox(kOffCentre, kRed), kOffCentre);
    ExpectSpans(MakePrism(kOffCentre, 3, kRed), kOffCentre);
    ExpectSpans(MakePrism(kOffCentre, 7, kRed), kOffCentre);
    ExpectSpans(MakeCone(kOffCentre, 5, kRed), kOffCentre);
    ExpectSpans(MakePyramid(kOffCentre, kRed), kOffCentre);
    ExpectSpans(MakeSphere(kOffCentre, 5, 7, kRed), kOffCentre);
    ExpectSpans(MakeExtrusion(kStar, Axis::Y, kOffCentre, kRed), kOffCentre);
}

TEST(Volume, MatchesTheSolidsKnownVolumes) {
    const double boxVolume = 16 * 10 * 24;
    EXPECT_NEAR(SignedVolume(MakeBox(kOffCentre, kRed)), boxVolume, 1e-6);
    EXPECT_NEAR(SignedVolume(MakePrism(kOffCentre, 4, kRed)), boxVolume, 1e-6);
    EXPECT_NEAR(SignedVolume(MakePyramid(kOffCentre, kRed)), boxVolume / 3, 1e-6);
    // The elbow covers 6 of the 12 squares of its 4 x 3 bounding box.
    EXPECT_NEAR(SignedVolume(MakeExtrusion(kElbow, Axis::Z, kOffCentre, kRed)), boxVolume / 2,
                1e-6);
    const double ellipsoid = std::numbers::pi / 6 * 16 * 10 * 24;
    EXPECT_NEAR(SignedVolume(MakeSphere(kOffCentre, 40, 80, kRed)), ellipsoid, 0.01 * ellipsoid);
}

TEST(Prism, FourSidesAreTheBoxFacesWithAFlatSideForward) {
    Shape prism = MakePrism({{}, {2, 2, 2}}, 4, kRed);
    ASSERT_EQ(prism.faces.size(), 6u);
    bool facesForward = false;
    for (const Face &face : prism.faces) {
        std::optional<Point3> normal = EngineNormal(prism, face);
        ASSERT_TRUE(normal);
        facesForward = facesForward || normal->x > 0.999;
    }
    EXPECT_TRUE(facesForward);
}

TEST(Prism, ManySidedCapsAreCutToTheCornerLimit) {
    Shape cylinder = MakePrism(kOffCentre, 24, kRed);
    EXPECT_EQ(cylinder.vertices.size(), 48u);
    EXPECT_GT(cylinder.faces.size(), 26u);
}

TEST(Turn, UpToForwardPointsTheApexAlongX) {
    Shape cone = MakeCone({{0, 0, 5}, {4, 4, 10}}, 8, kRed);
    TurnUpToForward(cone);
    Bounds bounds = BoundsOf(cone);
    EXPECT_NEAR(bounds.highest.x, 10, 1e-9);
    EXPECT_NEAR(bounds.lowest.x, 0, 1e-9);
    EXPECT_NEAR(bounds.highest.z, 2, 1e-9);
}

TEST(Mirror, MirrorInYNegatesYAndKeepsEverythingElse) {
    Shape original = MakeSphere(kOffCentre, 4, 6, kRed);
    Shape mirrored = MirrorInY(original);
    ASSERT_EQ(mirrored.vertices.size(), original.vertices.size());
    for (size_t i = 0; i < original.vertices.size(); ++i) {
        EXPECT_EQ(mirrored.vertices[i].x, original.vertices[i].x);
        EXPECT_EQ(mirrored.vertices[i].y, -original.vertices[i].y);
        EXPECT_EQ(mirrored.vertices[i].z, original.vertices[i].z);
    }
    EXPECT_NEAR(SignedVolume(mirrored), SignedVolume(original), 1e-9);
}

TEST(Mirror, JoinedHalvesShareThePlaneAndDropTheInnerFaces) {
    Shape half = MakeBox({{0, 5, 0}, {20, 10, 6}}, kRed);
    Shape whole = JoinMirroredHalves(half);
    EXPECT_EQ(whole.vertices.size(), 12u);
    EXPECT_EQ(whole.faces.size(), 10u);
    EXPECT_NEAR(SignedVolume(whole), 2 * SignedVolume(half), 1e-9);
    ExpectSpans(whole, {{0, 0, 0}, {20, 20, 6}});
}

TEST(Mirror, JoiningRefusesAHalfThatReachesPastThePlane) {
    EXPECT_THROW(JoinMirroredHalves(MakeBox({{0, 2, 0}, {4, 10, 4}}, kRed)), std::invalid_argument);
}

TEST(Panel, FacesUpAndAlternatesItsMaterials) {
    Material white{255, 255, 255, 0};
    Shape panel = MakeCheckerPanel({{0, 0, -3}, {100, 60, 0}}, 5, 3, white, kGrey);
    ASSERT_EQ(panel.faces.size(), 15u);
    ASSERT_EQ(panel.materials.size(), 2u);
    for (size_t f = 0; f < panel.faces.size(); ++f) {
        std::optional<Point3> normal = EngineNormal(panel, panel.faces[f]);
        ASSERT_TRUE(normal);
        EXPECT_NEAR(normal->z, 1, 1e-6);
        EXPECT_EQ(panel.faces[f].material, int((f % 5 + f / 5) % 2));
    }
    ExpectSpans(panel, {{0, 0, -3}, {100, 60, 0}});
}

TEST(Figures, AreClosedFlatOutwardAndWritable) {
    const RobotPaint paint{kRed, kGrey, {230, 180, 40, 0.8}};
    const std::vector<TaggedShape> figures{
        {"Robot", "", MakeRobotFigure(40, paint)},
        {"Tower", "", MakeBlockTower(100, kGrey, kRed)},
        {"Boulder", "", MakeBoulder(100, kGrey)},
        {"Pillar", "", MakePillar(100, kGrey)},
        {"Missile", "", MakeMissile(12, kGrey, kRed)},
    };
    for (const TaggedShape &figure : figures) {
        EXPECT_EQ(ClosureProblem(figure.shape), "") << figure.tag;
        EXPECT_EQ(FlatConvexProblem(figure.shape), "") << figure.tag;
        EXPECT_GT(SignedVolume(figure.shape), 0) << figure.tag;
        EXPECT_NO_THROW(RequireWritable(figure)) << figure.tag;
    }
    Bounds robot = BoundsOf(figures[0].shape);
    EXPECT_NEAR(robot.lowest.z, 0, 1e-9);
    EXPECT_NEAR(robot.highest.z, 40, 1e-9);
    EXPECT_NEAR(robot.lowest.y, -robot.highest.y, 1e-9);
    EXPECT_GT(figures[0].shape.faces.size(), 300u);
    Bounds missile = BoundsOf(figures[4].shape);
    EXPECT_NEAR(missile.lowest.x, -6, 1e-9);
    EXPECT_NEAR(missile.highest.x, 6, 1e-9);
}

TEST(Builders, RefuseArgumentsThatMakeNoSolid) {
    EXPECT_THROW(MakePrism(kOffCentre, 2, kRed), std::invalid_argument);
    EXPECT_THROW(MakeCone(kOffCentre, kMostDivisions + 1, kRed), std::invalid_argument);
    EXPECT_THROW(MakeSphere(kOffCentre, 1, 8, kRed), std::invalid_argument);
    EXPECT_THROW(MakeSphere(kOffCentre, 4, 2, kRed), std::invalid_argument);
    EXPECT_THROW(MakeBox({{}, {1, 0, 1}}, kRed), std::invalid_argument);
    EXPECT_THROW(MakeBox({{}, {1, -1, 1}}, kRed), std::invalid_argument);
    EXPECT_THROW(MakeBox({{NAN, 0, 0}, {1, 1, 1}}, kRed), std::invalid_argument);
    EXPECT_THROW(MakePanel({{}, {10, 10, 0}}, 100, 100, kRed), std::invalid_argument);
}

TEST(Builders, RefuseOutlinesThatAreNotSimplePolygons) {
    const std::vector<Point2> bowTie{{0, 0}, {2, 2}, {2, 0}, {0, 2}};
    const std::vector<Point2> straight{{0, 0}, {1, 0}, {2, 0}, {1, 1}};
    const std::vector<Point2> repeated{{0, 0}, {1, 0}, {1, 0}, {1, 1}};
    const std::vector<Point2> tooFew{{0, 0}, {1, 0}};
    for (const auto &outline : {bowTie, straight, repeated, tooFew}) {
        EXPECT_THROW(MakeExtrusion(outline, Axis::Z, kOffCentre, kRed), std::invalid_argument);
    }
}

// The values of the block tagged tag, read the way the engine's reader reads them.
std::vector<std::string> BlockValues(const std::string &text, const std::string &tag) {
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> values;
    bool inBlock = false;
    while (std::getline(lines, line)) {
        std::istringstream tokens(line);
        std::string token;
        while (tokens >> token) {
            if (token[0] == ';') break;
            if (token[0] == '*') {
                if (inBlock) return values;
                inBlock = token == "*" + tag;
                break;
            }
            if (inBlock) values.push_back(token);
        }
    }
    return values;
}

TEST(ObjectFile, WritesACommentLineThenTheTaggedBlockInOrder) {
    Shape pyramid = MakePyramid({{0, 0, 5}, {10, 10, 10}}, kRed);
    std::ostringstream out;
    WriteObjectBlock(out, {"Pyramid", "a small pyramid", pyramid});
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find('\n')), "; a small pyramid");
    std::vector<std::string> values = BlockValues(text, "Pyramid");
    ASSERT_EQ(int(values.size()), CountBlockValues(pyramid));
    EXPECT_EQ(values[0], "1");
    EXPECT_EQ(values[1] + " " + values[2] + " " + values[3] + " " + values[4], "200 40 40 0.5");
    EXPECT_EQ(values[5], "5");
    EXPECT_EQ(values[6 + 15], "5");  // plane count after 5 vertices
    EXPECT_EQ(values[6 + 15 + 1], "3");
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) EXPECT_LE(line.size(), size_t(kLongestCommentLine)) << line;
}

TEST(ObjectFile, RefusesWhatTheEngineWouldRefuseOrMisread) {
    auto refuses = [](const TaggedShape &block) {
        std::ostringstream out;
        EXPECT_THROW(WriteObjectBlock(out, block), std::invalid_argument) << block.tag;
        EXPECT_EQ(out.str(), "") << block.tag;
    };
    Shape box = MakeBox(kOffCentre, kRed);
    refuses({"Two words", "", box});
    refuses({"", "", box});
    refuses({std::string(kLongestTag + 1, 'x'), "", box});
    refuses({"Box", std::string(kLongestCommentLine, 'c'), box});
    refuses({"Box", "two\nlines", box});
    refuses({"Huge", "", MakeSphere(kOffCentre, 60, 60, kRed)});  // too many values
    refuses({"Empty", "", Shape{}});
    Shape wide = box;
    wide.faces.push_back({{0, 1, 3, 2, 6, 7, 5, 4, 0}, 0});
    refuses({"NineCorners", "", wide});
    Shape flat = box;
    flat.vertices.push_back(flat.vertices[0] * 2);
    flat.faces.push_back({{0, 8, 0}, 0});
    refuses({"NoNormal", "", flat});
    Shape sliver;
    sliver.AddMaterial(kRed);
    sliver.AddVertex({0, 0, 0});
    sliver.AddVertex({1, 0, 0});
    sliver.AddVertex({0.5, 1e-7, 0});  // on the line once written with five decimals
    sliver.AddFace({0, 1, 2}, 0);
    refuses({"Sliver", "", sliver});
    Shape shiny = box;
    shiny.materials[0].highlight = 1.5;
    refuses({"Shiny", "", shiny});
    Shape far = box;
    far.vertices[0].x = 1e30;
    refuses({"Far", "", far});
}

TEST(ObjectFile, LargestBlockWithinTheValueLimitIsWritten) {
    Shape sphere = MakeSphere(kOffCentre, 30, 40, kRed);
    ASSERT_LE(CountBlockValues(sphere), kMostBlockValues);
    std::ostringstream out;
    EXPECT_NO_THROW(WriteObjectBlock(out, {"Sphere", "", sphere}));
}

// The engine's messages, recorded so a test can require silence.
std::vector<std::string> engineMessages;

void RecordEngineMessage(void *, const char *, const char *text, int32_t) {
    engineMessages.push_back(text);
}

class EngineReadBack : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/morvex-shapes-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
        engineMessages.clear();
        TzSetMessageProc(RecordEngineMessage);
        ASSERT_EQ(OpenTrazel(1), 1);
    }
    void TearDown() override {
        CloseTrazel();
        TzSetMessageProc(nullptr);
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

  private:
    std::filesystem::path folder_, previous_;
};

void ExpectEngineAgrees(const Shape &shape, const ObjectData &data) {
    ASSERT_EQ(data.pntNum, int(shape.vertices.size()));
    ASSERT_EQ(data.plnNum, int(shape.faces.size()));
    ASSERT_EQ(data.materialNum, int(shape.materials.size()));
    for (int i = 0; i < data.pntNum; ++i) {
        EXPECT_NEAR(data.pnt[i].x, shape.vertices[i].x, 1e-4);
        EXPECT_NEAR(data.pnt[i].y, shape.vertices[i].y, 1e-4);
        EXPECT_NEAR(data.pnt[i].z, shape.vertices[i].z, 1e-4);
    }
    for (int p = 0; p < data.plnNum; ++p) {
        std::optional<Point3> normal = EngineNormal(shape, shape.faces[p]);
        ASSERT_TRUE(normal);
        Point3 engine{data.pln[p].normal.x, data.pln[p].normal.y, data.pln[p].normal.z};
        EXPECT_GT(Dot(engine, *normal), 0.9999) << "plane " << p;
    }
}

TEST_F(EngineReadBack, WrittenFilesReadBackWithoutAnyMessage) {
    std::vector<TaggedShape> blocks{
        {"Box", "a box", MakeBox(kOffCentre, kRed)},
        {"Cylinder", "a cylinder", MakePrism(kOffCentre, 24, kGrey)},
        {"Cone", "a cone", MakeCone(kOffCentre, 12, kRed)},
        {"Ball", "a ball", MakeSphere(kOffCentre, 30, 40, kGrey)},
        {"Star", "a star", MakeExtrusion(kStar, Axis::X, kOffCentre, kRed)},
        {"Legs", "two legs", JoinMirroredHalves(MakePrism({{0, 6, 8}, {4, 4, 16}}, 6, kRed))},
        {"Floor", "a floor", MakeCheckerPanel({{}, {500, 500, 0}}, 20, 20, kRed, kGrey)},
    };
    WriteObjectFile("shapes.m3d", blocks);
    for (const TaggedShape &block : blocks) {
        ObjectData data{};
        EXPECT_EQ(ReadObjectData(&data, "shapes.m3d", block.tag.c_str()), 1) << block.tag;
        ExpectEngineAgrees(block.shape, data);
        FreeObjectData(&data);
    }
    EXPECT_TRUE(engineMessages.empty()) << engineMessages.front();
}

}  // namespace
