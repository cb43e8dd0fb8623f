// Tests of the game's pictures as committed: sizes, the cursors' transparency, hot spot and
// outline, the tool bar's classic colours, the icons' shape, and that the files are exactly what
// the generator writes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "pictures/picture_set.h"
#include "png_pixels.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFolder = PICTURES_FOLDER;

struct CommittedPicture {
    const char *file;
    int size;
};

constexpr std::array<CommittedPicture, 14> kCommitted{{
    {"cursor-1.png", 32},
    {"cursor-2.png", 32},
    {"cursor-3.png", 32},
    {"toolbar-20001.png", 20},
    {"toolbar-20002.png", 20},
    {"toolbar-20003.png", 20},
    {"toolbar-20004.png", 20},
    {"icon-16.png", 16},
    {"icon-24.png", 24},
    {"icon-32.png", 32},
    {"icon-48.png", 48},
    {"icon-64.png", 64},
    {"icon-128.png", 128},
    {"icon-256.png", 256},
}};

constexpr std::array<const char *, 3> kCursors{"cursor-1.png", "cursor-2.png", "cursor-3.png"};
constexpr std::array<const char *, 4> kToolbar{"toolbar-20001.png", "toolbar-20002.png",
                                               "toolbar-20003.png", "toolbar-20004.png"};
constexpr std::array<const char *, 7> kIcons{"icon-16.png", "icon-24.png", "icon-32.png",
                                             "icon-48.png", "icon-64.png", "icon-128.png",
                                             "icon-256.png"};

// The classic 16-colour display's palette.
constexpr std::array<PngPixel, 16> kClassicColours{{
    {0, 0, 0, 255},
    {128, 0, 0, 255},
    {0, 128, 0, 255},
    {128, 128, 0, 255},
    {0, 0, 128, 255},
    {128, 0, 128, 255},
    {0, 128, 128, 255},
    {192, 192, 192, 255},
    {128, 128, 128, 255},
    {255, 0, 0, 255},
    {0, 255, 0, 255},
    {255, 255, 0, 255},
    {0, 0, 255, 255},
    {255, 0, 255, 255},
    {0, 255, 255, 255},
    {255, 255, 255, 255},
}};
constexpr PngPixel kBarGrey{192, 192, 192, 255};

constexpr int kHotSpot = 15;
// The cross-hair and its outline lie above this row; the words of cursors 2 and 3 below it.
constexpr int kWordRow = 25;

PngImage Committed(const char *file) {
    PngImage image = ReadPng(kFolder / file);
    if (image == nullptr) ADD_FAILURE() << file << " is missing or unreadable";
    return image;
}

bool Opaque(PngPixel pixel) {
    return pixel.alpha == 255;
}
bool Transparent(PngPixel pixel) {
    return pixel.alpha == 0;
}
bool Bright(PngPixel pixel) {
    return Opaque(pixel) && std::max({pixel.red, pixel.green, pixel.blue}) >= 200;
}
bool Dark(PngPixel pixel) {
    return Opaque(pixel) && std::max({pixel.red, pixel.green, pixel.blue}) <= 64;
}

bool Inside(const PngImage &image, int x, int y) {
    return x >= 0 && y >= 0 && x < Width(image) && y < Height(image);
}

// Bright pixels on the axis through the hot spot, from 2 to 10 pixels away in one direction.
int BrightPixelsAlong(const PngImage &cursor, int stepX, int stepY) {
    int count = 0;
    for (int distance = 2; distance <= 10; ++distance) {
        count += Bright(PixelAt(cursor, kHotSpot + stepX * distance, kHotSpot + stepY * distance));
    }
    return count;
}

bool RowsEqual(const PngImage &first, const PngImage &second, int fromRow, int toRow) {
    for (int y = fromRow; y < toRow; ++y) {
        for (int x = 0; x < Width(first); ++x) {
            if (!(PixelAt(first, x, y) == PixelAt(second, x, y))) return false;
        }
    }
    return true;
}

std::vector<char> FileBytes(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

fs::path NewScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "morvex-pictures-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

}  // namespace

TEST(CommittedPictures, EveryFileExistsWithItsSize) {
    for (const CommittedPicture &picture : kCommitted) {
        SCOPED_TRACE(picture.file);
        PngImage image = Committed(picture.file);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(Width(image), picture.size);
        EXPECT_EQ(Height(image), picture.size);
    }
}

TEST(Cursors, AreSharpAndMostlyTransparent) {
    for (const char *file : kCursors) {
        SCOPED_TRACE(file);
        PngImage cursor = Committed(file);
        ASSERT_NE(cursor, nullptr);
        int transparent = 0;
        for (int y = 0; y < Height(cursor); ++y) {
            for (int x = 0; x < Width(cursor); ++x) {
                PngPixel pixel = PixelAt(cursor, x, y);
                EXPECT_TRUE(Opaque(pixel) || Transparent(pixel))
                    << "half-covered at " << x << ", " << y;
                transparent += Transparent(pixel);
            }
        }
        EXPECT_GT(transparent, Width(cursor) * Height(cursor) / 2);
    }
}

TEST(Cursors, HotSpotSitsOnTheCrossHairCentre) {
    for (const char *file : kCursors) {
        SCOPED_TRACE(file);
        PngImage cursor = Committed(file);
        ASSERT_NE(cursor, nullptr);
        EXPECT_TRUE(Bright(PixelAt(cursor, kHotSpot, kHotSpot)));
        EXPECT_GE(BrightPixelsAlong(cursor, -1, 0), 3) << "left arm";
        EXPECT_GE(BrightPixelsAlong(cursor, 1, 0), 3) << "right arm";
        EXPECT_GE(BrightPixelsAlong(cursor, 0, -1), 3) << "upper arm";
        EXPECT_GE(BrightPixelsAlong(cursor, 0, 1), 3) << "lower arm";
    }
}

TEST(Cursors, CrossHairMirrorsAboutTheHotSpot) {
    PngImage cursor = Committed("cursor-1.png");
    ASSERT_NE(cursor, nullptr);
    for (int dy = 0; dy <= kHotSpot; ++dy) {
        for (int dx = 0; dx <= kHotSpot; ++dx) {
            SCOPED_TRACE(testing::Message() << "offset " << dx << ", " << dy);
            PngPixel pixel = PixelAt(cursor, kHotSpot + dx, kHotSpot + dy);
            EXPECT_EQ(pixel, PixelAt(cursor, kHotSpot - dx, kHotSpot + dy));
            EXPECT_EQ(pixel, PixelAt(cursor, kHotSpot + dx, kHotSpot - dy));
        }
    }
}

TEST(Cursors, BrightStrokesHaveADarkBorder) {
    for (const char *file : kCursors) {
        SCOPED_TRACE(file);
        PngImage cursor = Committed(file);
        ASSERT_NE(cursor, nullptr);
        for (int y = 0; y < Height(cursor); ++y) {
            for (int x = 0; x < Width(cursor); ++x) {
                if (!Bright(PixelAt(cursor, x, y))) continue;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        bool covered = Inside(cursor, x + dx, y + dy) &&
                                       (Bright(PixelAt(cursor, x + dx, y + dy)) ||
                                        Dark(PixelAt(cursor, x + dx, y + dy)));
                        EXPECT_TRUE(covered) << "bare edge beside " << x << ", " << y;
                    }
                }
            }
        }
    }
}

TEST(Cursors, WordCursorsDifferFromTheAimCursorOnlyBelowTheCrossHair) {
    PngImage aim = Committed("cursor-1.png");
    PngImage special = Committed("cursor-2.png");
    PngImage turbo = Committed("cursor-3.png");
    ASSERT_TRUE(aim != nullptr && special != nullptr && turbo != nullptr);
    EXPECT_TRUE(RowsEqual(aim, special, 0, kWordRow));
    EXPECT_TRUE(RowsEqual(aim, turbo, 0, kWordRow));
    for (int y = kWordRow; y < Height(aim); ++y) {
        for (int x = 0; x < Width(aim); ++x) EXPECT_TRUE(Transparent(PixelAt(aim, x, y)));
    }
    EXPECT_FALSE(RowsEqual(aim, special, kWordRow, Height(aim)));
    EXPECT_FALSE(RowsEqual(aim, turbo, kWordRow, Height(aim)));
    EXPECT_FALSE(RowsEqual(special, turbo, kWordRow, Height(aim)));
}

TEST(Cursors, WordsAreCentredUnderTheHotSpotAndTurboIsTheWider) {
    auto brightColumns = [](const char *file) {
        PngImage cursor = Committed(file);
        std::pair<int, int> span{kHotSpot, kHotSpot};
        for (int y = kWordRow; cursor != nullptr && y < Height(cursor); ++y) {
            for (int x = 0; x < Width(cursor); ++x) {
                if (!Bright(PixelAt(cursor, x, y))) continue;
                span = {std::min(span.first, x), std::max(span.second, x)};
            }
        }
        return span;
    };
    auto [specialLeft, specialRight] = brightColumns("cursor-2.png");
    auto [turboLeft, turboRight] = brightColumns("cursor-3.png");
    EXPECT_LE(std::abs(specialLeft + specialRight - 2 * kHotSpot), 1);
    EXPECT_LE(std::abs(turboLeft + turboRight - 2 * kHotSpot), 1);
    EXPECT_GT(turboRight - turboLeft, specialRight - specialLeft);
    EXPECT_GT(specialRight - specialLeft, 8);
}

TEST(ToolbarPictures, UseOnlyTheSixteenClassicColours) {
    for (const char *file : kToolbar) {
        SCOPED_TRACE(file);
        PngImage picture = Committed(file);
        ASSERT_NE(picture, nullptr);
        for (int y = 0; y < Height(picture); ++y) {
            for (int x = 0; x < Width(picture); ++x) {
                PngPixel pixel = PixelAt(picture, x, y);
                EXPECT_NE(std::find(kClassicColours.begin(), kClassicColours.end(), pixel),
                          kClassicColours.end())
                    << "at " << x << ", " << y << ": " << int(pixel.red) << ", " << int(pixel.green)
                    << ", " << int(pixel.blue) << ", alpha " << int(pixel.alpha);
            }
        }
    }
}

TEST(ToolbarPictures, StandOnTheBarsGreyAtTheCorners) {
    for (const char *file : kToolbar) {
        SCOPED_TRACE(file);
        PngImage picture = Committed(file);
        ASSERT_NE(picture, nullptr);
        int last = Width(picture) - 1;
        EXPECT_EQ(PixelAt(picture, 0, 0), kBarGrey);
        EXPECT_EQ(PixelAt(picture, last, 0), kBarGrey);
        EXPECT_EQ(PixelAt(picture, 0, last), kBarGrey);
        EXPECT_EQ(PixelAt(picture, last, last), kBarGrey);
    }
}

TEST(ToolbarPictures, EachShowsADrawingOfItsOwn) {
    std::vector<PngImage> pictures;
    for (const char *file : kToolbar) {
        SCOPED_TRACE(file);
        pictures.push_back(Committed(file));
        ASSERT_NE(pictures.back(), nullptr);
        std::set<std::array<int, 3>> colours;
        int drawn = 0;
        for (int y = 0; y < Height(pictures.back()); ++y) {
            for (int x = 0; x < Width(pictures.back()); ++x) {
                PngPixel pixel = PixelAt(pictures.back(), x, y);
                colours.insert({pixel.red, pixel.green, pixel.blue});
                drawn += !(pixel == kBarGrey);
            }
        }
        EXPECT_GE(colours.size(), 4u);
        EXPECT_GE(drawn, 40);
    }
    for (std::size_t first = 0; first < pictures.size(); ++first) {
        for (std::size_t second = first + 1; second < pictures.size(); ++second) {
            EXPECT_FALSE(RowsEqual(pictures[first], pictures[second], 0, 20))
                << kToolbar[first] << " and " << kToolbar[second];
        }
    }
}

TEST(ProgramIcons, AreRoundBadgesOnATransparentGround) {
    for (const char *file : kIcons) {
        SCOPED_TRACE(file);
        PngImage icon = Committed(file);
        ASSERT_NE(icon, nullptr);
        int last = Width(icon) - 1;
        EXPECT_TRUE(Transparent(PixelAt(icon, 0, 0)));
        EXPECT_TRUE(Transparent(PixelAt(icon, last, 0)));
        EXPECT_TRUE(Transparent(PixelAt(icon, 0, last)));
        EXPECT_TRUE(Transparent(PixelAt(icon, last, last)));
        EXPECT_TRUE(Opaque(PixelAt(icon, last / 2, last / 2)));
        int opaque = 0;
        for (int y = 0; y <= last; ++y) {
            for (int x = 0; x <= last; ++x) opaque += Opaque(PixelAt(icon, x, y));
        }
        double share = static_cast<double>(opaque) / (Width(icon) * Height(icon));
        EXPECT_GT(share, 0.6);
        EXPECT_LT(share, 0.85);
    }
}

TEST(PictureGenerator, WritesExactlyTheCommittedFiles) {
    fs::path scratch = NewScratchFolder();
    ASSERT_FALSE(scratch.empty());
    std::vector<fs::path> written = pictures::WritePictures(scratch);
    std::set<std::string> writtenNames;
    for (const fs::path &path : written) {
        SCOPED_TRACE(path.filename().string());
        writtenNames.insert(path.filename().string());
        EXPECT_EQ(FileBytes(path), FileBytes(kFolder / path.filename()))
            << "run build/tools/pictures/make_pictures game/shell/resources";
    }
    std::set<std::string> committedNames;
    for (const CommittedPicture &picture : kCommitted) committedNames.insert(picture.file);
    EXPECT_EQ(writtenNames, committedNames);
    fs::remove_all(scratch);
}
