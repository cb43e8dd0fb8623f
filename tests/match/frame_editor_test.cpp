// The frame editor through command 102: its controls, bars, meshes from object files, the scale,
// OK and Cancel, and the game standing still while it is open.
#include <filesystem>
#include <fstream>

#include "match_fixture.h"

using namespace match;

namespace {

// A triangle reaching 10, 20 and 30 along the axes (radius 30).
constexpr const char *kBoxMesh =
    "1\n0 0 255 0.5\n"
    "3\n10 0 0\n0 20 0\n0 0 30\n"
    "1\n3 0 1 2 0\n";
// A square of four vertices.
constexpr const char *kWingMesh =
    "1\n255 0 0 0.5\n"
    "4\n0 0 0\n10 0 0\n10 10 0\n0 10 0\n"
    "1\n4 0 1 2 3 0\n";

// Three tag lines: a plain one, one ended by "\r\n", and one with more text after the tag.
void WriteObjectFile(const std::string &path) {
    std::ofstream file(path, std::ios::binary);
    file << "*Box\n" << kBoxMesh << "*Wing\r\n" << kWingMesh << "*Box again\n" << kBoxMesh;
}

void IgnoreEngineMessage(void *, const char *, const char *, int32_t) {}

class FrameEditorTest : public MatchTest {
  protected:
    // An object file of the test's own, as tests may run side by side in one folder.
    void SetUp() override {
        MatchTest::SetUp();
        objectFile =
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".m3d";
        WriteObjectFile(objectFile);
    }

    void TearDown() override {
        MatchTest::TearDown();
        std::filesystem::remove(objectFile);
    }

    // Runs command 102 with the player's actions in the open editor.
    void Edit(const std::function<void(TFreamEdit &)> &actions) {
        hosts.freamEditor.whileOpen = [this, &actions] { actions(*window->freamEditor); };
        window->RunCommand(kFrameEditorCommand);
    }

    void ChooseObjectFile(TFreamEdit &editor) {
        hosts.freamEditor.chosenFile = objectFile;
        editor.OnChooseFile();
    }

    int32_t ItemIndex(int32_t control, const std::string &text) {
        const std::vector<std::string> &items = hosts.freamEditor.items[control];
        auto found = std::find(items.begin(), items.end(), text);
        EXPECT_NE(found, items.end()) << text;
        return static_cast<int32_t>(found - items.begin());
    }

    const std::vector<FakeFreamEditHost::Message> &Messages() { return hosts.freamEditor.messages; }

    std::string objectFile;
};

TEST_F(FrameEditorTest, OfferedStoppedOrAtTheTitleAndTheGameStandsStillWhileItIsOpen) {
    for (int32_t state :
         {kStopped, kReady, kFight, kRoundWon, kRoundLost, kRoundDraw, kLinking, kTitle, kEnding}) {
        window->gameState = state;
        EXPECT_EQ(window->QueryCommand(kFrameEditorCommand).enabled,
                  state == kStopped || state == kTitle)
            << state;
    }
    window->RunCommand(kFrameEditorCommand);  // grey during the ending: nothing opens
    EXPECT_EQ(hosts.freamEditor.opened, 0);

    window->gameState = kTitle;
    int32_t stateWhileOpen = 0;
    float distanceWhileOpen = 0;
    Edit([&](TFreamEdit &editor) {
        stateWhileOpen = window->gameState;
        distanceWhileOpen = GetScreenDistance();
        editor.OnCancel();
    });
    EXPECT_EQ(stateWhileOpen, kStopped);
    EXPECT_EQ(distanceWhileOpen, 480.0f);
    EXPECT_EQ(hosts.freamEditor.closes, 1);
    EXPECT_EQ(window->gameState, kTitle);
    EXPECT_EQ(GetScreenDistance(), 640.0f);  // the game window's view again
    EXPECT_EQ(window->freamEditor, nullptr);
}

TEST_F(FrameEditorTest, OkAsksOnlyAfterAChangeAndOnlyAConfirmedChangeReachesTheRobot) {
    Edit([](TFreamEdit &editor) {
        editor.OnNameEdited("My_Fream");  // focus left without a change
        editor.OnOk();
    });
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(hosts.freamEditor.closes, 1);
    EXPECT_FALSE(window->freamDirty);

    hosts.freamEditor.answer = MessageAnswer::Cancel;
    Edit([&](TFreamEdit &editor) {
        editor.OnNameEdited("로봇");  // no Shift_JIS for Hangul: refused, the edit shows the name
        EXPECT_EQ(hosts.freamEditor.texts[kNameEdit], "My_Fream");
        editor.OnNameEdited("機体ﾃｽﾄ");
        editor.OnOk();  // the question is cancelled: the dialog stays, the robot is untouched
        EXPECT_EQ(hosts.freamEditor.closes, 1);
        EXPECT_EQ(DisplayName(window->myFream->record), "My_Fream");
        hosts.freamEditor.answer = MessageAnswer::Ok;
        editor.OnOk();
    });
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0].text, "フレーム名に使えない文字が含まれています。");
    EXPECT_EQ(Messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(Messages()[2].text, "上書します、よろしいですか？");
    EXPECT_EQ(Messages()[2].caption, "Morvexゲーム");
    EXPECT_EQ(Messages()[2].icon, MessageIcon::Warning);
    EXPECT_EQ(Messages()[2].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(hosts.freamEditor.closes, 2);
    EXPECT_EQ(DisplayName(window->myFream->record), "機体ﾃｽﾄ");
    EXPECT_TRUE(window->freamDirty);
}

TEST_F(FrameEditorTest, ControlsShowTheRecordAndTheBarsTheEditorsOwnWeights) {
    struct Choice {
        const char *gun, *missile;
        int32_t gunBar, missileBar, speedBar;
    };
    // The last one stays: 3WL shows 3 though it weighs 4 in play.
    const Choice choices[] = {
        {"1WL", "3WM", 2, 4, 4}, {"1WP", "1WH", 2, 2, 6}, {"3WL", "1WM", 3, 3, 4}};
    Edit([&](TFreamEdit &editor) {
        FakeFreamEditHost &dialog = hosts.freamEditor;
        EXPECT_EQ(dialog.texts[kNameEdit], "My_Fream");
        EXPECT_EQ(dialog.texts[kScaleEdit], "");
        EXPECT_EQ(dialog.selected[kGunCombo], ItemIndex(kGunCombo, "1WG"));
        EXPECT_EQ(dialog.selected[kMissileCombo], ItemIndex(kMissileCombo, "1WM"));
        EXPECT_EQ(dialog.selected[kPitchCombo], ItemIndex(kPitchCombo, "FIRE_M"));
        EXPECT_EQ(dialog.items[kTypeCombo], (std::vector<std::string>{"Fream", "Gun", "Miss"}));
        EXPECT_EQ(dialog.selected[kTypeCombo], 0);
        EXPECT_EQ(editor.speedBar, 4);
        for (const Choice &choice : choices) {
            editor.OnSelectionChanged(kGunCombo, ItemIndex(kGunCombo, choice.gun));
            editor.OnSelectionChanged(kMissileCombo, ItemIndex(kMissileCombo, choice.missile));
            EXPECT_EQ(editor.gunBar, choice.gunBar) << choice.gun;
            EXPECT_EQ(editor.missileBar, choice.missileBar) << choice.missile;
            EXPECT_EQ(editor.speedBar, choice.speedBar) << choice.gun << choice.missile;
        }
        editor.OnSelectionChanged(kPitchCombo, ItemIndex(kPitchCombo, "ROBO_L"));
        editor.OnOk();
    });
    const battle::TFream &robot = *window->myFream;
    EXPECT_EQ(robot.record.gunKind, 1008);
    EXPECT_EQ(robot.record.missileKind, 1001);
    EXPECT_EQ(robot.record.pitch, battle::kRoboLarge);
    EXPECT_EQ(robot.gun->Kind(), 1008);  // the robot was reset with the new kinds
    EXPECT_EQ(robot.speed, 3);
}

TEST_F(FrameEditorTest, TheScaleMovesOnlyVerticesAndZeroOrLettersLeaveThemAsRead) {
    struct Scale {
        const char *text;
        float factor;
    };
    const Scale scales[] = {{"0", 1}, {"abc", 1}, {"250", 2.5f}, {"2500", 2.5f}, {"50", 0.5f}};
    Edit([&](TFreamEdit &editor) {
        editor.OnScaleStep(1);  // no tag yet: only the up-down moves
        EXPECT_EQ(hosts.freamEditor.texts[kScaleEdit], "");
        ChooseObjectFile(editor);
        editor.OnSelectionChanged(kTagCombo, ItemIndex(kTagCombo, "Box"));
        EXPECT_EQ(hosts.freamEditor.texts[kScaleEdit], "100");
        for (const Scale &scale : scales) {
            editor.OnScaleEdited(scale.text);
            const ObjectData &mesh = *editor.preview[1 + kBodyType].data;
            EXPECT_FLOAT_EQ(mesh.pnt[0].x, 10 * scale.factor) << scale.text;
            EXPECT_FLOAT_EQ(mesh.pnt[2].z, 30 * scale.factor) << scale.text;
            EXPECT_FLOAT_EQ(mesh.radius, 30) << scale.text;
        }
        editor.OnScaleStep(1);
        EXPECT_EQ(hosts.freamEditor.texts[kScaleEdit], "51");
        EXPECT_FLOAT_EQ(editor.preview[1 + kBodyType].data->pnt[0].x, 5.1f);
        editor.OnCancel();
    });
}

TEST_F(FrameEditorTest, LoadedMeshesReplaceTheRobotsOnlyOnOkAndEveryOtherIsReleased) {
    std::filesystem::remove("tzdebug.txt");
    const ObjectData ownBody = window->myFream->bodyMesh;
    Edit([&](TFreamEdit &editor) {
        ChooseObjectFile(editor);
        const match::FileDialog &dialog = hosts.freamEditor.fileDialogs.at(0);
        EXPECT_EQ(dialog.filterName, "Trazelﾌｧｲﾙ (*.m3d)");
        EXPECT_EQ(dialog.extension, "m3d");
        EXPECT_EQ(dialog.initialPath, "");
        EXPECT_EQ(hosts.freamEditor.items[kTagCombo],
                  (std::vector<std::string>{"Box", "Wing", "Box again"}));
        editor.OnSelectionChanged(kTagCombo, ItemIndex(kTagCombo, "Box"));
        editor.OnSelectionChanged(kTagCombo, ItemIndex(kTagCombo, "Wing"));  // Box's is released
        EXPECT_EQ(editor.preview[1 + kBodyType].data, &editor.loaded[kBodyType]);
        EXPECT_EQ(editor.loaded[kBodyType].pntNum, 4);
        EXPECT_EQ(window->myFream->bodyMesh.pnt, ownBody.pnt);
        editor.OnCancel();
    });
    EXPECT_EQ(window->myFream->bodyMesh.pnt, ownBody.pnt);
    EXPECT_FALSE(window->freamDirty);

    Edit([&](TFreamEdit &editor) {
        ChooseObjectFile(editor);
        editor.OnSelectionChanged(kTypeCombo, kGunType);
        editor.OnSelectionChanged(kTagCombo, ItemIndex(kTagCombo, "Box"));
        const ObjectStruct &gunInstance = editor.preview[1 + kGunType];
        EXPECT_EQ(gunInstance.data, &editor.loaded[kGunType]);
        EXPECT_EQ(gunInstance.x, -10.0f);
        EXPECT_EQ(gunInstance.y, -40.0f);
        EXPECT_EQ(editor.preview[1 + kBodyType].data, &window->myFream->bodyMesh);
        EXPECT_EQ(editor.preview[1 + kMissileType].data,
                  &window->myFream->missile->ProjectileMesh());
        editor.OnOk();
    });
    EXPECT_EQ(Messages().size(), 1u);  // the question
    EXPECT_TRUE(window->freamDirty);
    EXPECT_EQ(window->myFream->gun->ProjectileMesh().pntNum, 3);
    EXPECT_EQ(window->myFream->bodyMesh.pnt, ownBody.pnt);
    // Closing the engine finds no block left over: none lost, none released twice.
    window.reset();
    EXPECT_FALSE(std::filesystem::exists("tzdebug.txt"));
}

TEST_F(FrameEditorTest, FilesThatCannotBeReadAreReportedAndLeaveThePreviewAsItWas) {
    TzSetMessageProc(IgnoreEngineMessage);  // the engine names the missing tag first
    Edit([&](TFreamEdit &editor) {
        hosts.freamEditor.chosenFile = "no_such_file.m3d";
        editor.OnChooseFile();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].text, "ファイルオープンエラー");
        EXPECT_EQ(Messages()[0].icon, MessageIcon::Error);
        EXPECT_TRUE(hosts.freamEditor.items[kTagCombo].empty());
        ChooseObjectFile(editor);
        editor.OnSelectionChanged(kTagCombo, ItemIndex(kTagCombo, "Box"));
        // Listed with its note, but the tag in the file is "Box" alone.
        editor.OnSelectionChanged(kTagCombo, ItemIndex(kTagCombo, "Box again"));
        ASSERT_EQ(Messages().size(), 2u);
        EXPECT_EQ(Messages()[1].text, "オブジェクトファイル読み込みエラー");
        EXPECT_EQ(editor.preview[1 + kBodyType].data->pntNum, 3);
        editor.OnCancel();
    });
}

}  // namespace
