// Melodies written as text in scale degrees, turned into timed notes.
#include "melody.h"

#include <stdexcept>
#include <string>

#include "pattern.h"

namespace music {
namespace {

class TokenReader {
  public:
    explicit TokenReader(std::string_view token) : token_(token) {}

    bool Take(char expected) {
        if (at_ < token_.size() && token_[at_] == expected) {
            ++at_;
            return true;
        }
        return false;
    }
    char Next() { return at_ < token_.size() ? token_[at_++] : '\0'; }
    bool Finished() const { return at_ == token_.size(); }
    [[noreturn]] void Refuse(const char *problem) const {
        throw std::invalid_argument("melody token '" + std::string(token_) + "': " + problem);
    }

  private:
    std::string_view token_;
    size_t at_ = 0;
};

int BaseDuration(TokenReader &reader) {
    switch (reader.Next()) {
        case 's':
            return kTicksPerQuarter / 4;
        case 'e':
            return kTicksPerQuarter / 2;
        case 'q':
            return kTicksPerQuarter;
        case 'h':
            return kTicksPerQuarter * 2;
        case 'w':
            return kTicksPerQuarter * 4;
        default:
            reader.Refuse("expected a duration s, e, q, h or w");
    }
}

int Duration(TokenReader &reader) {
    int ticks = 0;
    do {
        int part = BaseDuration(reader);
        if (reader.Take('.')) part += part / 2;
        if (reader.Take('t')) part = part * 2 / 3;
        ticks += part;
    } while (reader.Take('_'));
    return ticks;
}

int OctaveMarks(TokenReader &reader) {
    int octaves = 0;
    while (true) {
        if (reader.Take('+')) {
            ++octaves;
        } else if (reader.Take('-')) {
            --octaves;
        } else {
            return octaves;
        }
    }
}

int Accidental(TokenReader &reader) {
    if (reader.Take('#')) return 1;
    if (reader.Take('b')) return -1;
    return 0;
}

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    size_t at = 0;
    while (at < line.size()) {
        size_t end = line.find(' ', at);
        if (end == std::string_view::npos) end = line.size();
        if (end > at) tokens.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return tokens;
}

}  // namespace

MelodyLine ParseMelody(std::string_view line, const Scale &scale, int octave, int degreeShift) {
    MelodyLine melody;
    for (std::string_view token : Tokens(line)) {
        if (token == "|") {
            if (melody.length % kTicksPerBar != 0) {
                throw std::invalid_argument("melody '" + std::string(line) +
                                            "': a bar line falls inside a bar at tick " +
                                            std::to_string(melody.length));
            }
            continue;
        }
        TokenReader reader(token);
        if (reader.Take('r')) {
            melody.length += Duration(reader);
            if (!reader.Finished()) reader.Refuse("unexpected text after the rest");
            continue;
        }
        int octaves = OctaveMarks(reader);
        char digit = reader.Next();
        if (digit < '1' || digit > '9') reader.Refuse("expected a scale degree 1..9");
        int degree = digit - '0' + degreeShift + 7 * octaves;
        int key = scale.Key(degree, octave) + Accidental(reader);
        int length = Duration(reader);
        bool accent = reader.Take('>');
        bool legato = reader.Take('~');
        if (!reader.Finished()) reader.Refuse("unexpected text after the note");
        melody.notes.push_back({melody.length, length, key, accent, legato});
        melody.length += length;
    }
    return melody;
}

}  // namespace music
