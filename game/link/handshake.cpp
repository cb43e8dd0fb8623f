// The answer to a call, written and read back.
#include "handshake.h"

#include <algorithm>
#include <cstdio>

namespace versus {
namespace {

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A field of two characters read as a decimal integer: leading blanks, an optional sign, then
// digits up to the first other character. Nothing without a digit.
std::optional<int32_t> FieldNumber(std::string_view field) {
    size_t at = 0;
    while (at < field.size() && IsBlank(field[at])) ++at;
    bool negative = at < field.size() && field[at] == '-';
    if (at < field.size() && (field[at] == '-' || field[at] == '+')) ++at;
    if (at == field.size() || !IsDigit(field[at])) return std::nullopt;
    int32_t value = 0;
    for (; at < field.size() && IsDigit(field[at]); ++at) value = value * 10 + (field[at] - '0');
    return negative ? -value : value;
}

bool InRange(std::optional<int32_t> value, int32_t lowest, int32_t highest) {
    return value && *value >= lowest && *value <= highest;
}

}  // namespace

std::string AnswerText(const MatchSettings &settings) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%02d%02d", kAnswerMark, settings.level, settings.view);
    return text;
}

bool IsAnswer(std::string_view answer) {
    return answer.substr(0, kAnswerMarkBytes) == kAnswerMark;
}

std::optional<MatchSettings> ParseAnswer(std::string_view answer) {
    std::string_view digits = answer.substr(std::min(answer.size(), kAnswerMarkBytes));
    std::optional<int32_t> level = FieldNumber(digits.substr(0, 2));
    std::optional<int32_t> view = FieldNumber(digits.substr(std::min<size_t>(digits.size(), 2), 2));
    if (!InRange(level, kLowestLevel, kHighestLevel) || !InRange(view, kLowestView, kHighestView))
        return std::nullopt;
    return MatchSettings{*level, *view};
}

}  // namespace versus
