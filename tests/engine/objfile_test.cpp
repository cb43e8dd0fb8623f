// Object files: finding tags, collecting block values, the token and discard limits, numbers.
#include <sys/wait.h>

#include <cfloat>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "objfile.h"

namespace {

class ObjFileTest : public EngineTest {
  protected:
    // The integers of the block, or an empty list when the read failed.
    std::vector<int32_t> ReadInts(const std::string &text, const char *tag) {
        WriteTextFile("data.m3d", text);
        int32_t *values = nullptr;
        int32_t count = ReadDataInt(&values, "data.m3d", tag);
        std::vector<int32_t> read(values, values + count);
        TzFree(values);
        return read;
    }

    std::vector<float> ReadFloats(const std::string &text, const char *tag) {
        WriteTextFile("data.m3d", text);
        float *values = nullptr;
        int32_t count = ReadDataFloat(&values, "data.m3d", tag);
        std::vector<float> read(values, values + count);
        TzFree(values);
        return read;
    }

    // Closes the engine: a leak report would list any block a read forgot to release.
    bool LeftBlocksBehind() {
        CloseTrazel();
        return FileExists("tzdebug.txt");
    }
};

using Ints = std::vector<int32_t>;

std::string Repeated(char character, size_t count) {
    return std::string(count, character);
}

// ---- Finding the tag --------------------------------------------------------------------------

TEST_F(ObjFileTest, TagIsFoundAsFirstTokenOfItsLineAfterBlankLinesAndIndent) {
    EXPECT_EQ(ReadInts("first line 1 2\n\n   \t*Mesh 4 5\n6\n", "Mesh"), (Ints{4, 5, 6}));
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(ObjFileTest, TagAfterAnotherTokenOfItsLineIsNotFound) {
    EXPECT_EQ(ReadInts("1 *Mesh 2 3\n", "Mesh"), Ints{});
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "ファイル'data.m3d'にタグ'Mesh'が見つかりません。");
    EXPECT_EQ(RecordedMessages()[0].caption, "TRAZEL");
}

TEST_F(ObjFileTest, TagNamesMatchWholeAndWithCase) {
    EXPECT_EQ(ReadInts("*mesh 1\n*Meshes 2\n*Mesh 3\n", "Mesh"), Ints{3});
    EXPECT_EQ(ReadInts("*mesh 1\n*Meshes 2\n", "Mesh"), Ints{});
}

TEST_F(ObjFileTest, LaterBlocksAreFoundPastEarlierOnes) {
    std::string file = "*Lazer_Gun1\n1 2\n*Lazer_Gun2\n3\n*Lazer_Gun3\n4 5 6\n";
    EXPECT_EQ(ReadInts(file, "Lazer_Gun3"), (Ints{4, 5, 6}));
    EXPECT_EQ(ReadInts(file, "Lazer_Gun2"), Ints{3});
}

TEST_F(ObjFileTest, SkippedLineEndsAfterSeventyEightCharactersAndTheRestReadsAsANewLine) {
    // After the first token "x", the discard swallows a blank and 77 dots: the tag comes next.
    EXPECT_EQ(ReadInts("x " + Repeated('.', 77) + " *Mesh 7\n", "Mesh"), Ints{7});
    // One dot more and the rest of the line starts with that dot, so the tag is not first.
    EXPECT_EQ(ReadInts("x " + Repeated('.', 78) + " *Mesh 7\n", "Mesh"), Ints{});
}

TEST_F(ObjFileTest, TagOfSeventyEightCharactersFitsOneTokenAndALongerOneCannotMatch) {
    std::string fitting = Repeated('n', 78);
    EXPECT_EQ(ReadInts("*" + fitting + " 1\n", fitting.c_str()), Ints{1});
    std::string tooLong = Repeated('n', 79);
    EXPECT_EQ(ReadInts("*" + tooLong + " 1\n", tooLong.c_str()), Ints{});
}

TEST_F(ObjFileTest, MissingFileIsSaidWithItsPath) {
    int32_t *values = nullptr;
    EXPECT_EQ(ReadDataInt(&values, "nowhere/none.m3d", "Mesh"), 0);
    EXPECT_EQ(values, nullptr);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "ファイル'nowhere/none.m3d'がオープンできません。");
}

TEST_F(ObjFileTest, FolderInPlaceOfTheFileReadsAsHavingNoTag) {
    std::filesystem::create_directory("folder.m3d");
    float *values = nullptr;
    EXPECT_EQ(ReadDataFloat(&values, "folder.m3d", "Mesh"), 0);
    EXPECT_EQ(RecordedMessages().size(), 1u);
}

TEST_F(ObjFileTest, OpenStreamReadsFromWhereItStandsAndMessagesNameThePathGiven) {
    char text[] = "*A 1\n*A 2 3\n";
    std::FILE *stream = fmemopen(text, sizeof text - 1, "rb");
    ASSERT_NE(stream, nullptr);
    std::fseek(stream, 5, SEEK_SET);  // past the first block
    int32_t *values = nullptr;
    ASSERT_EQ(trazel::ReadDataIntFromStream(stream, &values, "memory", "A"), 2);
    EXPECT_EQ(Ints(values, values + 2), (Ints{2, 3}));
    TzFree(values);
    EXPECT_EQ(trazel::ReadDataIntFromStream(stream, &values, "memory", "A"), 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "ファイル'memory'にタグ'A'が見つかりません。");
    std::fclose(stream);
    EXPECT_FALSE(LeftBlocksBehind());
}

// ---- Block values ----------------------------------------------------------------------------

TEST_F(ObjFileTest, BlockEndsAtTheNextTagOrTheEndOfTheFile) {
    EXPECT_EQ(ReadInts("*A 1 2\n3\n*B 4\n", "A"), (Ints{1, 2, 3}));
    EXPECT_EQ(ReadInts("*A 1 2\n3\n*B 4\n", "B"), Ints{4});
    EXPECT_EQ(ReadInts("*A 1\t2\r\n3\v4\f5", "A"), (Ints{1, 2, 3, 4, 5}));
}

TEST_F(ObjFileTest, AnyTokenStartingWithAnAsteriskEndsTheBlockEvenWhereNoTagIsFound) {
    EXPECT_EQ(ReadInts("*A 1 2\n3 *B 4\n", "A"), (Ints{1, 2, 3}));
    EXPECT_EQ(ReadInts("*A 1 2\n3 *B 4\n", "B"), Ints{});
    EXPECT_EQ(ReadInts("*A 1 2 *\n3\n", "A"), (Ints{1, 2}));
}

TEST_F(ObjFileTest, CommentSkipsOnlyTheRestOfItsLine) {
    EXPECT_EQ(ReadInts("*A 1 2 ;note 3 4\n5 ; 6\n;7\n8\n", "A"), (Ints{1, 2, 5, 8}));
}

TEST_F(ObjFileTest, CommentLineLongerThanSeventyEightCharactersGoesOnAsValues) {
    // The discard after ";" takes a blank, the x's, a blank and the 9: exactly 78 characters.
    EXPECT_EQ(ReadInts("*A 1 ; " + Repeated('x', 75) + " 9\n", "A"), (Ints{1}));
    // One x more, and the 9 is left over as a value.
    EXPECT_EQ(ReadInts("*A 1 ; " + Repeated('x', 76) + " 9\n", "A"), (Ints{1, 9}));
}

TEST_F(ObjFileTest, LongRunSplitsIntoASeventyNineCharacterTokenAndTheRest) {
    EXPECT_EQ(ReadInts("*A " + Repeated('0', 78) + "12\n", "A"), (Ints{1, 2}));
    // The rest of the run is a token of its own, so a '*' there ends the block.
    EXPECT_EQ(ReadInts("*A " + Repeated('0', 79) + "*B 5\n", "A"), (Ints{0}));
}

TEST_F(ObjFileTest, TagFollowedByTagHasNoData) {
    EXPECT_EQ(ReadInts("*A\n*B 1\n", "A"), Ints{});
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text, "ファイル'data.m3d'のタグ'A'のデータがありません。");
}

TEST_F(ObjFileTest, TagWithOnlyCommentsBeforeTheEndHasNoData) {
    EXPECT_EQ(ReadInts("*A ; nothing here\n; nor here", "A"), Ints{});
    EXPECT_TRUE(SawMessage("ファイル'data.m3d'のタグ'A'のデータがありません。"));
}

TEST_F(ObjFileTest, BlockOfSixteenThousandValuesIsReadWhole) {
    std::string file = "*Big\n";
    for (int i = 1; i <= TZ_MAX_BLOCK_VALUES; ++i)
        file += std::to_string(i) + (i % 10 ? " " : "\n");
    Ints read = ReadInts(file, "Big");
    ASSERT_EQ(read.size(), 16000u);
    EXPECT_EQ(read.front(), 1);
    EXPECT_EQ(read.back(), 16000);
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(ObjFileTest, SixteenThousandAndFirstValueIsRefused) {
    std::string file = "*Big\n";
    for (int i = 0; i <= TZ_MAX_BLOCK_VALUES; ++i) file += "7\n";
    WriteTextFile("data.m3d", file);
    int32_t untouched[1] = {};
    int32_t *values = untouched;
    EXPECT_EQ(ReadDataInt(&values, "data.m3d", "Big"), 0);
    EXPECT_EQ(values, untouched);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].text,
              "ファイル'data.m3d'のタグ'Big'のデータが\n最大データ数 16000 を越えています。");
}

TEST_F(ObjFileTest, ReturnedValuesAreATrackedBlockOfTheirOwn) {
    WriteTextFile("data.m3d", "*A 1 2 3\n");
    int32_t *values = nullptr;
    ASSERT_EQ(ReadDataInt(&values, "data.m3d", "A"), 3);
    EXPECT_TRUE(LeftBlocksBehind());  // not released by the client, so reported
}

TEST_F(ObjFileTest, FailedReadsReleaseTheirScratchAndTheirFile) {
    WriteTextFile("data.m3d", "*Empty\n*Full 1\n");
    int32_t *values = nullptr;
    EXPECT_EQ(ReadDataInt(&values, "data.m3d", "Empty"), 0);
    EXPECT_EQ(ReadDataInt(&values, "data.m3d", "Absent"), 0);
    EXPECT_EQ(ReadDataInt(&values, "absent.m3d", "Full"), 0);
    EXPECT_EQ(RecordedMessages().size(), 3u);
    EXPECT_FALSE(LeftBlocksBehind());
}

TEST_F(ObjFileTest, MessagesStayQuietWhenTurnedOff) {
    CloseTrazel();
    ASSERT_EQ(OpenTrazel(0), 1);
    EXPECT_EQ(ReadInts("*A\n", "A"), Ints{});
    EXPECT_EQ(ReadInts("*A 1\n", "B"), Ints{});
    EXPECT_TRUE(RecordedMessages().empty());
}

TEST_F(ObjFileTest, NullArgumentsAreRefusedWithoutCrashing) {
    WriteTextFile("data.m3d", "*A 1\n");
    EXPECT_EQ(ReadDataInt(nullptr, "data.m3d", "A"), 0);
    float *values = nullptr;
    EXPECT_EQ(ReadDataFloat(&values, nullptr, "A"), 0);
    EXPECT_EQ(ReadDataFloat(&values, "data.m3d", nullptr), 0);
    EXPECT_EQ(values, nullptr);
    EXPECT_FALSE(LeftBlocksBehind());
}

// ---- Numbers ---------------------------------------------------------------------------------

struct IntCase {
    const char *text;
    int32_t value;
};

TEST(ParseIntTest, ReadsSignAndDigitsUpToTheFirstOtherCharacterAndSaturates) {
    const IntCase cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+3", 3},
        {"12abc", 12},
        {"4-5", 4},
        {"1.9", 1},
        {"-1.9", -1},
        {"1e3", 1},
        {"abc", 0},
        {"-", 0},
        {"--5", 0},
        {"", 0},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MAX},
        {"-2147483649", INT32_MIN},
        {"99999999999999999999999999", INT32_MAX},
        {"-99999999999999999999999999", INT32_MIN},
    };
    for (const IntCase &c : cases) EXPECT_EQ(trazel::ParseInt(c.text), c.value) << c.text;
}

struct FloatCase {
    const char *text;
    float value;
};

TEST(ParseFloatTest, ReadsDecimalRealsOnlyAndSaturatesAtTheFloatRange) {
    const FloatCase cases[] = {
        {"1.5", 1.5f},
        {"-2.25e2", -225.0f},
        {"+.5", 0.5f},
        {"5.", 5.0f},
        {"1E-2", 0.01f},
        {"3e", 3.0f},
        {"3e+", 3.0f},
        {"3e+x", 3.0f},
        {"2.5.5", 2.5f},
        {"3,5", 3.0f},
        {".", 0.0f},
        {"-.e4", 0.0f},
        {"inf", 0.0f},
        {"-infinity", 0.0f},
        {"nan", 0.0f},
        {"0x10", 0.0f},
        {"1e39", FLT_MAX},
        {"-1e39", -FLT_MAX},
        {"1e99999", FLT_MAX},
        {"1e-99999", 0.0f},
        {"340282346638528859811704183484516925440", FLT_MAX},
    };
    for (const FloatCase &c : cases) EXPECT_EQ(trazel::ParseFloat(c.text), c.value) << c.text;
}

TEST_F(ObjFileTest, FileValuesConvertAsIntegersOrReals) {
    const char *file = "*A 1.75 -2e1 x9 ; 5\n+8\n";
    EXPECT_EQ(ReadInts(file, "A"), (Ints{1, -2, 0, 8}));
    EXPECT_EQ(ReadFloats(file, "A"), (std::vector<float>{1.75f, -20.0f, 0.0f, 8.0f}));
}

// A locale that writes reals with a decimal comma: an installed one, or one built here.
bool SelectDecimalCommaLocale(const std::string &folder) {
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) return true;
    }
    std::string command = "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return false;
    setenv("LOCPATH", folder.c_str(), 1);
    bool selected = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
    return selected;
}

TEST_F(ObjFileTest, RealsReadTheSameUnderALocaleWithADecimalComma) {
    if (!SelectDecimalCommaLocale(scratchFolder)) {
        std::setlocale(LC_NUMERIC, "C");
        GTEST_SKIP() << "no locale with a decimal comma could be selected";
    }
    bool commaLocale = std::localeconv()->decimal_point[0] == ',';
    std::vector<float> read = ReadFloats("*A 1.5 -0.25e1 3,5\n", "A");
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_TRUE(commaLocale);
    EXPECT_EQ(read, (std::vector<float>{1.5f, -2.5f, 3.0f}));
}

}  // namespace
