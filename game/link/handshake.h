// The handshake's texts: the call one PC sends, and the answer that carries the answering side's
// level and view mode to the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace versus {

inline constexpr char kCall[] = "MORVEX_REQUEST";
constexpr size_t kCallBytes = sizeof kCall - 1;
// The answer: "REQOK_200" and the level and view mode as two digits each.
inline constexpr char kAnswerMark[] = "REQOK_200";
constexpr size_t kAnswerMarkBytes = sizeof kAnswerMark - 1;
constexpr size_t kAnswerBytes = kAnswerMarkBytes + 4;

// The levels and view modes the game knows.
constexpr int32_t kLowestLevel = 1, kHighestLevel = 8;
constexpr int32_t kLowestView = 10, kHighestView = 12;

struct MatchSettings {
    int32_t level = 0, view = 0;
};

// The answer to a call: "REQOK_200%02d%02d".
std::string AnswerText(const MatchSettings &settings);

// True when answer begins with the answer's mark: the other PC took the call.
bool IsAnswer(std::string_view answer);

// The level and view mode of an answer (kAnswerBytes long, or shorter when cut off); nothing
// when either is missing or one the game does not know.
std::optional<MatchSettings> ParseAnswer(std::string_view answer);

}  // namespace versus
