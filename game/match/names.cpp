// Names typed on screen as a record's Shift_JIS bytes, and text aligned in character cells.
#include <glib.h>

#include <algorithm>

#include "main_window.h"

namespace match {
namespace {

constexpr size_t kMostNameBytes = sizeof(battle::DefinitionRecord::name) - 1;

// Half-width katakana and ASCII take one cell, everything else two.
int32_t CellsOf(gunichar character) {
    bool halfWidth = character < 0x80 || (character >= 0xFF61 && character <= 0xFF9F);
    return halfWidth ? 1 : 2;
}

}  // namespace

std::optional<std::string> RecordName(const std::string &text) {
    gsize written = 0;
    gchar *converted = g_convert(text.data(), static_cast<gssize>(text.size()), "CP932", "UTF-8",
                                 nullptr, &written, nullptr);
    if (converted == nullptr) return std::nullopt;
    std::string bytes(converted, written);
    g_free(converted);
    size_t kept = 0;
    while (kept < bytes.size()) {
        size_t length = battle::IsShiftJisLeadByte(static_cast<unsigned char>(bytes[kept])) ? 2 : 1;
        if (kept + length > kMostNameBytes) break;
        kept += length;
    }
    return bytes.substr(0, kept);
}

std::optional<std::string> FittedName(const std::string &text) {
    std::optional<std::string> bytes = RecordName(text);
    if (!bytes) return std::nullopt;
    return battle::ShiftJisText(*bytes);
}

std::string RightAligned(const std::string &text, int32_t cells) {
    if (!g_utf8_validate(text.c_str(), static_cast<gssize>(text.size()), nullptr)) return text;
    int32_t used = 0;
    for (const gchar *at = text.c_str(); *at != '\0'; at = g_utf8_next_char(at))
        used += CellsOf(g_utf8_get_char(at));
    return std::string(static_cast<size_t>(std::max(cells - used, 0)), ' ') + text;
}

}  // namespace match
