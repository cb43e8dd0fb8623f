// Chords named by scale degree, progressions of them, and chords voiced for an instrument.
#include "chord.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "pattern.h"

namespace music {
namespace {

[[noreturn]] void Refuse(std::string_view symbol, const char *problem) {
    throw std::invalid_argument("chord '" + std::string(symbol) + "': " + problem);
}

int LowestKeyOf(int pitchClass, int atLeast) {
    return atLeast + ((pitchClass - atLeast) % 12 + 12) % 12;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::string_view part : Split(text, ' ')) {
        if (!part.empty()) words.push_back(part);
    }
    return words;
}

int DegreeDigit(std::string_view symbol, size_t at) {
    if (at >= symbol.size() || symbol[at] < '1' || symbol[at] > '7') {
        Refuse(symbol, "expected a scale degree 1..7");
    }
    return symbol[at] - '0';
}

}  // namespace

Chord ChordOf(const Scale &scale, std::string_view symbol) {
    int degree = DegreeDigit(symbol, 0);
    int root = scale.PitchClassOf(degree);
    Chord chord{{root, scale.PitchClassOf(degree + 2), scale.PitchClassOf(degree + 4)}, root};
    bool power = false;
    for (size_t at = 1; at < symbol.size(); ++at) {
        switch (symbol[at]) {
            case '7':
                chord.pitchClasses.push_back(scale.PitchClassOf(degree + 6));
                break;
            case 'M':
                chord.pitchClasses[1] = (root + 4) % 12;
                break;
            case 'm':
                chord.pitchClasses[1] = (root + 3) % 12;
                break;
            case 'p':
                power = true;
                break;
            case 's': {
                char kind = at + 1 < symbol.size() ? symbol[++at] : ' ';
                if (kind != '4' && kind != '2') Refuse(symbol, "suspension is s4 or s2");
                chord.pitchClasses[1] = scale.PitchClassOf(degree + (kind == '4' ? 3 : 1));
                break;
            }
            case '/':
                chord.bassPitchClass = scale.PitchClassOf(DegreeDigit(symbol, ++at));
                break;
            default:
                Refuse(symbol, "unknown mark");
        }
    }
    if (power) chord.pitchClasses = {chord.pitchClasses[0], chord.pitchClasses[2]};
    return chord;
}

std::vector<ChordSpan> Progression(const Scale &scale, std::string_view text, int barCount) {
    std::vector<std::string_view> bars = Split(text, '|');
    std::vector<ChordSpan> spans;
    for (int bar = 0; bar < barCount; ++bar) {
        std::vector<std::string_view> symbols = Words(bars[bar % bars.size()]);
        if (symbols.empty() || kStepsPerBar % symbols.size() != 0) {
            throw std::invalid_argument("progression '" + std::string(text) +
                                        "': every bar needs 1, 2 or 4 chords");
        }
        int steps = kStepsPerBar / static_cast<int>(symbols.size());
        for (size_t index = 0; index < symbols.size(); ++index) {
            int first = bar * kStepsPerBar + static_cast<int>(index) * steps;
            spans.push_back({first, steps, ChordOf(scale, symbols[index])});
        }
    }
    return spans;
}

std::vector<int> Voice(const Chord &chord, Voicing voicing, int lowestKey) {
    const std::vector<int> &tones = chord.pitchClasses;
    if (voicing == Voicing::Close) {
        std::vector<int> keys;
        for (int pitchClass : tones) keys.push_back(LowestKeyOf(pitchClass, lowestKey));
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    if (voicing == Voicing::Power) {
        // A guitarist plays the power chord on the root whatever the bass player does.
        int root = LowestKeyOf(tones[0], lowestKey);
        int fifth = tones.size() >= 3 ? tones[2] : tones[1];
        return {root, LowestKeyOf(fifth, root + 1), root + 12};
    }
    int bass = LowestKeyOf(chord.bassPitchClass, lowestKey);
    std::vector<int> keys{bass};
    for (int pitchClass : tones) {
        if (pitchClass != chord.bassPitchClass) keys.push_back(LowestKeyOf(pitchClass, bass + 1));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

int ChordTone(const std::vector<int> &voiced, int index) {
    int size = static_cast<int>(voiced.size());
    return voiced[index % size] + 12 * (index / size);
}

}  // namespace music
