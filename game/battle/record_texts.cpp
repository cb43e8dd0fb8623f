// Record names from Shift_JIS bytes to screen text, and the mastery of the best scores.
#include "record_texts.h"

#include <glib.h>

#include <iterator>

namespace battle {
namespace {

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

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string ShiftJisText(std::string_view bytes) {
    std::string text;
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned char byte = static_cast<unsigned char>(bytes[i]);
        size_t length = IsShiftJisLeadByte(byte) && i + 1 < bytes.size() ? 2 : 1;
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else if (!ConvertCharacter(bytes.substr(i, length), text)) {
            text += '?';
            length = 1;
        }
        i += length;
    }
    return text;
}

std::string DisplayName(const DefinitionRecord &record) {
    return ShiftJisText(NameOf(record));
}

// Scores from a frame file or the other PC may be anything: summed wide, so no term overflows,
// and wrapped to 32 bits at the end.
int32_t Mastery(const DefinitionRecord &record) {
    int64_t mastery = 0;
    for (int64_t i = 0; i < static_cast<int64_t>(std::size(record.score)); ++i)
        mastery += (i + 10) * record.score[i] / 10;
    return static_cast<int32_t>(mastery);
}

}  // namespace battle
