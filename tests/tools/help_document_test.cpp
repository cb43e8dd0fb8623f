// Tests of the help document: well-formed enough for any viewer (valid UTF-8, declared character
// set, every opened element of the checked kinds closed in order, internal links that land),
// self-contained, and complete: every weapon code and every menu item as the menu shows it.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

std::string ReadDocument() {
    std::ifstream file(HELP_DOCUMENT, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::string &Document() {
    static const std::string document = ReadDocument();
    return document;
}

// The length of the UTF-8 sequence that starts with this byte, or 0 if no sequence starts so.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Offset of the first byte that breaks UTF-8 (overlong forms and surrogates included), or npos.
std::size_t FirstInvalidUtf8(const std::string &text) {
    std::size_t at = 0;
    while (at < text.size()) {
        auto lead = static_cast<unsigned char>(text[at]);
        int length = SequenceLength(lead);
        if (length == 0 || at + length > text.size()) return at;
        unsigned codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) return at;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF) return at;
        at += length;
    }
    return std::string::npos;
}

// The document without comments and without the style sheet, whose selectors are no tags.
std::string Markup() {
    std::string markup = std::regex_replace(Document(), std::regex("<!--[\\s\\S]*?-->"), "");
    return std::regex_replace(markup, std::regex("<style[\\s\\S]*?</style>"), "<style></style>");
}

struct Tag {
    bool closing;
    std::string name;
    std::size_t offset;
};

std::vector<Tag> CheckedTags(const std::string &markup) {
    static const std::regex kTag("<(/?)(html|head|body|section|table|ul|ol|p|h1|h2|h3|pre)[\\s>]",
                                 std::regex::icase);
    std::vector<Tag> tags;
    for (auto match = std::sregex_iterator(markup.begin(), markup.end(), kTag);
         match != std::sregex_iterator(); ++match) {
        tags.push_back({(*match)[1].length() == 1, (*match)[2].str(),
                        static_cast<std::size_t>(match->position())});
    }
    return tags;
}

std::vector<std::string> AllMatches(const std::string &text, const std::regex &pattern) {
    std::vector<std::string> found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), pattern);
         match != std::sregex_iterator(); ++match) {
        found.push_back((*match)[1].str());
    }
    return found;
}

// A menu text as the menu shows it: the letter after "&" is the underlined access key.
std::string AsShown(const std::string &menuText) {
    std::size_t mark = menuText.find('&');
    if (mark == std::string::npos) return menuText;
    return menuText.substr(0, mark) + "<u>" + menuText[mark + 1] + "</u>" +
           menuText.substr(mark + 2);
}

}  // namespace

TEST(HelpDocument, IsValidUtf8WithItsCharacterSetDeclared) {
    ASSERT_FALSE(Document().empty()) << HELP_DOCUMENT << " is missing or empty";
    EXPECT_EQ(FirstInvalidUtf8(Document()), std::string::npos);
    EXPECT_TRUE(std::regex_search(
        Document(), std::regex("<meta\\s+charset=\"utf-8\"\\s*>", std::regex::icase)));
    EXPECT_TRUE(Document().starts_with("<!DOCTYPE html>"));
    EXPECT_NE(Document().find("<html lang=\"ja\">"), std::string::npos);
}

TEST(HelpDocument, ClosesEveryCheckedElementInTheOrderItWasOpened) {
    std::string markup = Markup();
    std::vector<Tag> open;
    for (const Tag &tag : CheckedTags(markup)) {
        if (!tag.closing) {
            // A browser ends a paragraph before any block, which would strand its closing tag.
            if (!open.empty() && open.back().name == "p") {
                ADD_FAILURE() << "<" << tag.name << "> inside <p> at offset " << tag.offset;
            }
            open.push_back(tag);
            continue;
        }
        if (open.empty() || open.back().name != tag.name) {
            ADD_FAILURE() << "</" << tag.name << "> at offset " << tag.offset << " closes "
                          << (open.empty() ? "nothing" : "<" + open.back().name + ">");
            return;
        }
        open.pop_back();
    }
    for (const Tag &tag : open)
        ADD_FAILURE() << "<" << tag.name << "> at " << tag.offset << " never closed";
}

TEST(HelpDocument, InternalLinksLandOnUniqueIds) {
    std::vector<std::string> ids = AllMatches(Document(), std::regex("\\sid=\"([^\"]*)\""));
    std::set<std::string> unique(ids.begin(), ids.end());
    EXPECT_EQ(unique.size(), ids.size()) << "an id is used twice";
    std::vector<std::string> targets = AllMatches(Document(), std::regex("href=\"#([^\"]*)\""));
    EXPECT_FALSE(targets.empty());
    for (const std::string &target : targets) {
        EXPECT_TRUE(unique.contains(target)) << "#" << target << " leads nowhere";
    }
}

TEST(HelpDocument, NeedsNothingOutsideItself) {
    EXPECT_EQ(Document().find("<script"), std::string::npos);
    EXPECT_EQ(Document().find("src="), std::string::npos);
    EXPECT_EQ(Document().find("url("), std::string::npos);
    EXPECT_EQ(Document().find("@import"), std::string::npos);
    for (const std::string &target : AllMatches(Document(), std::regex("href=\"([^\"]*)\""))) {
        EXPECT_TRUE(target.starts_with("#")) << target;
    }
}

TEST(HelpDocument, ContentsLeadToEveryChapter) {
    const std::array<std::pair<const char *, const char *>, 6> kChapters{{
        {"play", "遊び方"},
        {"rules", "ルール"},
        {"weapons", "武器"},
        {"editor", "フレームエディタ"},
        {"versus", "通信対戦"},
        {"menu", "メニュー"},
    }};
    std::size_t contentsEnd = Document().find("</nav>");
    ASSERT_NE(contentsEnd, std::string::npos);
    std::string contents = Document().substr(0, contentsEnd);
    for (const auto &[id, title] : kChapters) {
        std::string link = std::string("<a href=\"#") + id + "\">" + title;
        EXPECT_NE(contents.find(link), std::string::npos) << link;
        std::regex chapter(std::string("<section id=\"") + id + "\">\\s*<h2>[^<]*" + title);
        EXPECT_TRUE(std::regex_search(Document(), chapter)) << id;
    }
}

TEST(HelpDocument, NamesEveryWeaponCode) {
    const std::array<const char *, 16> kCodes{"1WG", "1WL", "3WG", "1WP", "2WP", "1WD",
                                              "1WS", "3WL", "1WM", "3WM", "1WH", "2WM",
                                              "1WB", "5WC", "BAL", "2WH"};
    for (const char *code : kCodes) {
        EXPECT_NE(Document().find(std::string("<code>") + code + "</code>"), std::string::npos)
            << code << " has no row of its own";
    }
}

TEST(HelpDocument, ShowsEveryMenuItemAsTheMenuShowsIt) {
    const std::array<const char *, 39> kMenuTexts{
        "ﾌｧｲﾙ(&F)",
        "スコアクリア(&N)",
        "フレームエディタ(&E)",
        "フレーム読込(&R)",
        "フレーム書込(&W)",
        "スタート(&S)",
        "終了(&X)",
        "Alt+F4",
        "ﾚﾍﾞﾙ(&L)",
        "Level1(&1)",
        "Level2(&2)",
        "Level3(&3)",
        "Level4(&4)",
        "Level5(&5)",
        "Level6(&6)",
        "Level7(&7)",
        "Level8(&8)",
        "通信対戦(&T)",
        "表示(&V)",
        "シールド(&S)",
        "WIREFRAME(&W)",
        "SOLID_PAINT(&S)",
        "HALFTONE_PAINT(&H)",
        "GOURAUD_SHADING(&G)",
        "サウンド(&S)",
        "効果音(&W)...",
        "ＢＧＭ(&B)...",
        "オプション(&O)",
        "ﾋﾞｭｰ(&V)",
        "ﾄｯﾌﾟﾋﾞｭｰ(&T)",
        "ﾐﾄﾞﾙﾋﾞｭｰ(&M)",
        "ｻｲﾄﾞﾋﾞｭｰ(&S)",
        "Comm(&C)",
        "1(&1)",
        "2(&2)",
        "3(&3)",
        "ﾍﾙﾌﾟ(&H)",
        "ﾄﾞｷｭﾒﾝﾄ(&H)...",
        "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
    };
    std::size_t menuChapter = Document().find("<section id=\"menu\">");
    ASSERT_NE(menuChapter, std::string::npos);
    for (const char *text : kMenuTexts) {
        EXPECT_NE(Document().find(AsShown(text), menuChapter), std::string::npos) << AsShown(text);
    }
}
