// A robot's mouse mastery, and its name as screen text and back.
#include <glib.h>

#include <algorithm>

#include "main_window.h"

namespace match {
namespace {

constexpr size_t kMostNameBytes = sizeof(battle::DefinitionRecord::name) - 1;

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// One Shift_JIS character as UTF-8, or nothing when the bytes are not one.
bool ConvertCharacter(std::string_view bytes, std::string &text) {
    gsize written = 0;
    gchar *converted = g_convert(bytes.data(), static_cast<gssize>(bytes.size()), "UTF-8", "CP932",
                                 nullptr, &written, nullptr);
    if (converted == nullptr) return false;
    text.append(converted, written);
    g_free(converted);
    return true;
}

// Half-width katakana and ASCII take one cell, everything else two.
int32_t CellsOf(gunichar character) {
    bool halfWidth = character < 0x80 || (character >= 0xFF61 && character <= 0xFF9F);
    return halfWidth ? 1 : 2;
}

// Character by character, so that bytes which are not Shift_JIS (a damaged frame file) show as
// "?" and the rest of the name still reads.
std::string DisplayText(std::string_view name) {
    std::string text;
    size_t i = 0;
    while (i < name.size()) {
        unsigned char byte = static_cast<unsigned char>(name[i]);
        size_t length = IsLeadByte(byte) && i + 1 < name.size() ? 2 : 1;
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else if (!ConvertCharacter(name.substr(i, length), text)) {
            text += '?';
            length = 1;
        }
        i += length;
    }
    return text;
}

}  // namespace

int32_t Mastery(const battle::DefinitionRecord &record) {
    int32_t mastery = 0;
    for (int32_t i = 0; i < kLevels; ++i) mastery += (i + 10) * record.score[i] / 10;
    return mastery;
}

std::string DisplayName(const battle::DefinitionRecord &record) {
    return DisplayText(battle::NameOf(record));
}

std::optional<std::string> RecordName(const std::string &text) {
    gsize written = 0;
    gchar *converted = g_convert(text.data(), static_cast<gssize>(text.size()), "CP932", "UTF-8",
                                 nullptr, &written, nullptr);
    if (converted == nullptr) return std::nullopt;
    std::string bytes(converted, written);
    g_free(converted);
    size_t kept = 0;
    while (kept < bytes.size()) {
        size_t length = IsLeadByte(static_cast<unsigned char>(bytes[kept])) ? 2 : 1;
        if (kept + length > kMostNameBytes) break;
        kept += length;
    }
    return bytes.substr(0, kept);
}

std::optional<std::string> FittedName(const std::string &text) {
    std::optional<std::string> bytes = RecordName(text);
    if (!bytes) return std::nullopt;
    return DisplayText(*bytes);
}

std::string RightAligned(const std::string &text, int32_t cells) {
    if (!g_utf8_validate(text.c_str(), static_cast<gssize>(text.size()), nullptr)) return text;
    int32_t used = 0;
    for (const gchar *at = text.c_str(); *at != '\0'; at = g_utf8_next_char(at))
        used += CellsOf(g_utf8_get_char(at));
    return std::string(static_cast<size_t>(std::max(cells - used, 0)), ' ') + text;
}

}  // namespace match
