// The main menu's items, texts and command numbers, and the tool bar's buttons.
#include "menu_table.h"

#include "match/commands.h"

namespace shell {

namespace {

using match::CommandId;

constexpr MenuItem Command(const char *text, int32_t command) {
    return {ItemKind::Command, text, command, {}};
}
constexpr MenuItem Check(const char *text, int32_t command) {
    return {ItemKind::CheckCommand, text, command, {}};
}
constexpr MenuItem kSeparator{ItemKind::Separator, nullptr, 0, {}};

constexpr MenuItem kFileMenu[] = {
    Command("スコアクリア(&N)", match::kScoreClearCommand),
    kSeparator,
    Command("フレームエディタ(&E)", match::kFrameEditorCommand),
    Command("フレーム読込(&R)", match::kFrameReadCommand),
    Command("フレーム書込(&W)", match::kFrameWriteCommand),
    kSeparator,
    Command("スタート(&S)", match::kStartCommand),
    kSeparator,
    Command("終了(&X)\tAlt+F4", match::kExitCommand),
};

constexpr MenuItem kLevelMenu[] = {
    Check("Level1(&1)", match::kLevel1Command),
    Check("Level2(&2)", match::kLevel1Command + 1),
    Check("Level3(&3)", match::kLevel1Command + 2),
    Check("Level4(&4)", match::kLevel1Command + 3),
    Check("Level5(&5)", match::kLevel1Command + 4),
    Check("Level6(&6)", match::kLevel1Command + 5),
    Check("Level7(&7)", match::kLevel1Command + 6),
    Check("Level8(&8)", match::kLevel1Command + 7),
    kSeparator,
    Check("通信対戦(&T)", match::kVersusCommand),
};

constexpr MenuItem kDisplayMenu[] = {
    Check("シールド(&S)", match::kShieldCommand),
    kSeparator,
    Check("WIREFRAME(&W)", match::kWireFrameCommand),
    Check("SOLID_PAINT(&S)", match::kSolidPaintCommand),
    Check("HALFTONE_PAINT(&H)", match::kHalftonePaintCommand),
    Check("GOURAUD_SHADING(&G)", match::kGouraudShadingCommand),
    kSeparator,
    Check("256色モード(&C)", match::kPaletteDisplayCommand),
};

constexpr MenuItem kSoundMenu[] = {
    Check("効果音(&W)...", match::kSoundEffectsCommand),
    Check("ＢＧＭ(&B)...", match::kMusicCommand),
};

constexpr MenuItem kViewMenu[] = {
    Check("ﾄｯﾌﾟﾋﾞｭｰ(&T)", match::kTopViewCommand),
    Check("ﾐﾄﾞﾙﾋﾞｭｰ(&M)", match::kMiddleViewCommand),
    Check("ｻｲﾄﾞﾋﾞｭｰ(&S)", match::kSideViewCommand),
};

constexpr MenuItem kPortMenu[] = {
    Check("1(&1)", match::kPort1Command),
    Check("2(&2)", match::kPort1Command + 1),
    Check("3(&3)", match::kPort1Command + 2),
    kSeparator,
    Check("ネットワーク(&N)...", match::kNetworkCommand),
};

constexpr MenuItem kOptionMenu[] = {
    {ItemKind::Submenu, "ﾋﾞｭｰ(&V)", 0, kViewMenu},
    kSeparator,
    {ItemKind::Submenu, "Comm(&C)", 0, kPortMenu},
};

constexpr MenuItem kHelpMenu[] = {
    Command("ﾄﾞｷｭﾒﾝﾄ(&H)...", match::kHelpDocumentCommand),
    Command("ﾊﾞｰｼﾞｮﾝ情報(&A)...", match::kVersionCommand),
};

constexpr Menu kMainMenu[] = {
    {"ﾌｧｲﾙ(&F)", kFileMenu},      {"ﾚﾍﾞﾙ(&L)", kLevelMenu},        {"表示(&V)", kDisplayMenu},
    {"サウンド(&S)", kSoundMenu}, {"オプション(&O)", kOptionMenu}, {"ﾍﾙﾌﾟ(&H)", kHelpMenu},
};

constexpr ToolButton kToolBarButtons[] = {
    {match::kStartButton, "スタート"},
    {match::kGunButton, "ガンを選ぶ (1)"},
    {match::kMissileButton, "ミサイルを選ぶ (2)"},
    {match::kBombButton, "ボム (使えません)"},
};

}  // namespace

std::span<const Menu> MainMenu() {
    return kMainMenu;
}

std::span<const ToolButton> ToolBarButtons() {
    return kToolBarButtons;
}

std::string MnemonicLabel(std::string_view text) {
    text = text.substr(0, text.find('\t'));
    std::string label;
    for (size_t index = 0; index < text.size(); ++index) {
        char character = text[index];
        if (character == '&' && index + 1 < text.size()) {
            ++index;
            label += text[index] == '&' ? "&" : "_";
            if (text[index] != '&') label += text[index];
        } else if (character == '_') {
            label += "__";
        } else {
            label += character;
        }
    }
    return label;
}

std::string_view AcceleratorText(std::string_view text) {
    size_t tab = text.find('\t');
    return tab == std::string_view::npos ? std::string_view() : text.substr(tab + 1);
}

}  // namespace shell
