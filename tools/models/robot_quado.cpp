// Quado: a four-legged hunter mech in orange and black, a long armoured back on jointed legs,
// a wedge head with glowing eyes and twin guns mounted on its shoulders.
#include "robot_designs.h"
#include "robot_parts.h"
#include "shapes/solids.h"
#include "shapes/transforms.h"

namespace models {
namespace {

using shapes::Point3;
using shapes::Shape;

const shapes::Material kOrange = Paint(245, 130, 20, 0.5);
const shapes::Material kBlack = Paint(70, 66, 74, 0.4);
const shapes::Material kYellow = Paint(255, 215, 50, 0.6);
const shapes::Material kEye = Paint(190, 255, 70, 0.8);
const shapes::Material kGun = Paint(150, 150, 160, 0.6);

// A leg from the hip down to the ground; the knee bends forward for the hind legs (reversed) and
// backwards for the front legs, like an animal's.
Shape Leg(Point3 hip, double kneeReach, double ankleReach) {
    const Point3 knee = hip + Point3{kneeReach, 0, -9};
    const Point3 ankle = Point3{hip.x + ankleReach, hip.y, 6};
    const Point3 paw = Point3{hip.x + ankleReach - 2, hip.y, 0};
    return Joined({
        MakeSphere({hip, {8, 8, 8}}, 3, 6, kBlack),
        MakeStrut(hip, knee, 7, 5, 6, kOrange),
        MakeSideProfile({{hip.x - 5, hip.z + 3},
                         {hip.x + 5, hip.z + 3},
                         {knee.x + 2.5, knee.z + 3},
                         {knee.x - 2.5, knee.z + 3}},
                        hip.y + 3.4, hip.y + 4.4, kOrange),
        MakeStrut(knee, ankle, 4.2, 3.4, 6, kBlack),
        MakeSideProfile({{paw.x - 4.5, 0},
                         {paw.x + 3.5, 0},
                         {paw.x + 3, 3.5},
                         {paw.x - 2, 4.5},
                         {paw.x - 5, 2}},
                        hip.y - 2.8, hip.y + 2.8, kBlack),
        MakeSideProfile({{paw.x - 6.5, 0}, {paw.x - 4.5, 0}, {paw.x - 5, 2}, {paw.x - 6.5, 1.5}},
                        hip.y - 2.4, hip.y + 2.4, kYellow),
    });
}

Shape Body() {
    return Joined({
        AlongSegment(
            MakeLoft(EllipseOutline(8, 8, 6.5),
                     {{{0, 0, 0}, 0.85}, {{0, 0, 8}, 1}, {{0, 0, 30}, 1}, {{0, 0, 38}, 0.8}},
                     kBlack),
            {19, 0, 26}, {-19, 0, 28}),
        MakeSideProfile({{-20, 30}, {-12, 35}, {14, 35}, {21, 31}, {21, 29}, {-20, 28}}, -8.5, 8.5,
                        kOrange),
        MakeSideProfile({{-8, 35}, {8, 35}, {6, 37}, {-6, 37}}, -3.5, 3.5, kYellow),
        MakeStrut({19, 0, 29}, {30, 0, 36}, 2.6, 1, 5, kBlack),
    });
}

Shape Head() {
    return Joined({
        MakeStrut({-16, 0, 30}, {-22, 0, 34}, 7, 6, 6, kBlack),
        MakeSideProfile(
            {{-36, 32}, {-31, 36.5}, {-22, 39}, {-18, 36}, {-18, 31}, {-26, 29}, {-33, 30}}, -5, 5,
            kOrange),
        MakeSideProfile({{-34, 29}, {-24, 27}, {-21, 30}, {-30, 31}}, -3.8, 3.8, kBlack),
        MakeBox({{-30.5, 4.4, 34.5}, {4, 1.6, 1.4}}, kEye),
        MakeBox({{-30.5, -4.4, 34.5}, {4, 1.6, 1.4}}, kEye),
        MakeSideProfile({{-21, 38}, {-17, 37}, {-15, 43}}, 2.5, 4, kOrange),
        MakeSideProfile({{-21, 38}, {-17, 37}, {-15, 43}}, -4, -2.5, kOrange),
    });
}

Shape ShoulderGun() {
    return Joined({
        MakeBox({{-8, 9.5, 35}, {10, 4, 4.5}}, kBlack),
        MakeStrut({-13, 9.5, 35.5}, {-24, 9.5, 35.5}, 2, 1.7, 6, kGun),
        MakeBox({{-8, 11.8, 35}, {7, 0.8, 2.4}}, kYellow),
    });
}

}  // namespace

Shape MakeQuado() {
    Shape robot = Joined({Body(), Head()});
    robot.Append(
        BothSides({Leg({-12, 8.5, 24}, 1.5, -3), Leg({13, 8.5, 24}, -6.5, 3), ShoulderGun()}));
    return StandingOnGround(robot);
}

}  // namespace models
