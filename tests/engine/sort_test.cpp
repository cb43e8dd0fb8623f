// Depth order of the polygon list: farthest first, with whole-unit granularity and stable ties.
#include "sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

std::vector<uint16_t> Sorted(const std::vector<float> &depths) {
    std::vector<trazel::ScreenPolygon> polygons(depths.size());
    for (size_t i = 0; i < depths.size(); ++i) polygons[i].depth = depths[i];
    std::vector<uint16_t> order(depths.size()), scratch(depths.size());
    trazel::SortFarthestFirst(polygons.data(), static_cast<int32_t>(depths.size()), order.data(),
                              scratch.data());
    return order;
}

TEST(DepthSort, DepthsLessThanOneApartKeepTheirListOrder) {
    EXPECT_EQ(Sorted({10.2f, 10.9f}), (std::vector<uint16_t>{0, 1}));
    EXPECT_EQ(Sorted({10.9f, 10.2f}), (std::vector<uint16_t>{0, 1}));
    EXPECT_EQ(Sorted({10.2f, 11.3f}), (std::vector<uint16_t>{1, 0}));
}

TEST(DepthSort, WholeNumberDepthsComeOutFarthestFirstAndStable) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> depth(0, 40);
    for (int size : {0, 1, 2, 3, 7, 64, 1000, 5000}) {
        std::vector<float> depths(size);
        for (float &d : depths) d = static_cast<float>(depth(random));
        std::vector<uint16_t> expected(size);
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(),
                         [&](uint16_t a, uint16_t b) { return depths[a] > depths[b]; });
        EXPECT_EQ(Sorted(depths), expected) << size;
    }
}

TEST(DepthSort, AnyDepthsGiveAPermutation) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> depth(0, 3);
    std::vector<float> depths(777);
    for (float &d : depths) d = depth(random);
    depths[5] = std::numeric_limits<float>::quiet_NaN();
    depths[6] = 1e30f;
    std::vector<uint16_t> order = Sorted(depths);
    std::sort(order.begin(), order.end());
    for (size_t i = 0; i < order.size(); ++i) ASSERT_EQ(order[i], i);
}

}  // namespace
