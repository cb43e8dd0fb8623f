// Stage 5's pyramid: sandstone courses stepping up to a gilded capstone, a doorway on its -x
// face.
#include "scenery_models.h"

#include "scenery_solids.h"
#include "shapes/solids.h"

namespace models {

using shapes::Material;
using shapes::Shape;

namespace {

constexpr int kCourses = 7;
constexpr double kBaseHalf = 50, kCourseHeight = 10;
constexpr double kSlope = 5.2;  // how far each course's face leans in over its height
constexpr double kLedge = 1.3;  // the step between one course's top and the next one's foot

}  // namespace

Shape PyramidModel() {
    const Material stones[] = {{228, 192, 122}, {206, 170, 104}};
    Shape pyramid;
    double half = kBaseHalf;
    for (int course = 0; course < kCourses; ++course) {
        double top = half - kSlope;
        pyramid.Append(
            MakeFrustum({{0, 0, course * kCourseHeight}, kCourseHeight, {half, half}, {top, top}},
                        stones[course % 2]));
        half = top - kLedge;
    }
    const double summit = kCourses * kCourseHeight;
    pyramid.Append(shapes::MakePyramid({{0, 0, summit + 7}, {2 * half + 2, 2 * half + 2, 14}},
                                       {250, 214, 90, 0.8}));
    // The doorway juts from the foot of the -x face, the side the match camera looks at.
    pyramid.Append(shapes::MakeBox({{-kBaseHalf + 4, 0, 9}, {12, 16, 18}}, stones[0]));
    pyramid.Append(shapes::MakeBox({{-kBaseHalf - 2.5, 0, 7}, {1, 9, 12}}, {70, 50, 36}));
    return pyramid;
}

}  // namespace models
