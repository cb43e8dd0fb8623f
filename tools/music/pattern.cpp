// Rhythm on a grid of sixteenths: figures that play chord tones, and drum grooves.
#include "pattern.h"

#include <stdexcept>

namespace music {
namespace {

std::string WithoutSpaces(std::string_view text) {
    std::string compact;
    for (char character : text) {
        if (character != ' ') compact.push_back(character);
    }
    return compact;
}

[[noreturn]] void Refuse(const char *what, std::string_view pattern, const char *problem) {
    throw std::invalid_argument(std::string(what) + " '" + std::string(pattern) + "': " + problem);
}

double StrokeStrength(char mark) {
    switch (mark) {
        case 'o':
            return 0.5;
        case 'x':
            return 0.85;
        case 'X':
            return 1.1;
        case 'r':
            return 0.75;
        default:
            return 0;
    }
}

}  // namespace

std::vector<FigureStep> ParseFigure(std::string_view pattern) {
    std::string compact = WithoutSpaces(pattern);
    if (compact.empty() || compact.size() % kStepsPerBar != 0) {
        Refuse("figure", pattern, "not a whole number of bars");
    }
    std::vector<FigureStep> steps;
    for (char mark : compact) {
        if (mark == '.') {
            steps.push_back({FigureStep::Kind::Rest});
        } else if (mark == '-') {
            steps.push_back({FigureStep::Kind::Hold});
        } else if (mark == '*') {
            steps.push_back({FigureStep::Kind::WholeChord});
        } else if (mark >= '0' && mark <= '9') {
            steps.push_back({FigureStep::Kind::Tone, mark - '0'});
        } else {
            Refuse("figure", pattern, "unknown mark");
        }
    }
    return steps;
}

ParsedGroove ParseGroove(const Groove &groove) {
    ParsedGroove parsed;
    for (const DrumLane &lane : groove) {
        std::string compact = WithoutSpaces(lane.pattern);
        if (compact.empty() || compact.size() % 4 != 0) {
            Refuse("drum lane", lane.pattern, "not a whole number of beats");
        }
        if (parsed.steps != 0 && parsed.steps != static_cast<int>(compact.size())) {
            Refuse("drum lane", lane.pattern, "lanes of one groove differ in length");
        }
        parsed.steps = static_cast<int>(compact.size());
        for (int step = 0; step < parsed.steps; ++step) {
            char mark = compact[step];
            if (mark == '.') continue;
            double strength = StrokeStrength(mark);
            if (strength == 0) Refuse("drum lane", lane.pattern, "unknown mark");
            parsed.strokes.push_back({step, lane.key, strength, mark == 'r'});
        }
    }
    return parsed;
}

std::string Repeat(std::string_view text, int times) {
    std::string repeated;
    for (int count = 0; count < times; ++count) repeated += text;
    return repeated;
}

}  // namespace music
