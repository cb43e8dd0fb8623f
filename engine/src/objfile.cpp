// Object files: tokens, numbers and the readers of tagged blocks (ReadDataInt, ReadDataFloat).
#include "objfile.h"

#include <glib.h>

#include <cfloat>
#include <cmath>
#include <cstring>

#include "messages.h"

namespace trazel {
namespace {

// The C locale's white space, whatever locale the game has set.
bool IsBlank(int character) {
    return character == ' ' || character == '\t' || character == '\n' || character == '\v' ||
           character == '\f' || character == '\r';
}

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
}

int32_t SkipSign(const char *text) {
    return text[0] == '+' || text[0] == '-' ? 1 : 0;
}

int32_t SkipDigits(const char *text, int32_t position) {
    while (IsDigit(text[position])) ++position;
    return position;
}

// The length of the longest prefix that reads as a decimal real; 0 when it has no digits.
int32_t RealPrefixLength(const char *text) {
    int32_t wholeStart = SkipSign(text);
    int32_t position = SkipDigits(text, wholeStart);
    int32_t digits = position - wholeStart;
    if (text[position] == '.') {
        int32_t fractionEnd = SkipDigits(text, position + 1);
        digits += fractionEnd - position - 1;
        position = fractionEnd;
    }
    if (digits == 0) return 0;
    if (text[position] == 'e' || text[position] == 'E') {
        int32_t exponentStart = position + 1 + SkipSign(text + position + 1);
        int32_t exponentEnd = SkipDigits(text, exponentStart);
        if (exponentEnd > exponentStart) position = exponentEnd;
    }
    return position;
}

float SaturateToFloat(double value) {
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

using StoreValue = void (*)(void *values, int32_t index, const char *token);

void StoreInt(void *values, int32_t index, const char *token) {
    static_cast<int32_t *>(values)[index] = ParseInt(token);
}

void StoreFloat(void *values, int32_t index, const char *token) {
    static_cast<float *>(values)[index] = ParseFloat(token);
}

// Both value types are four bytes, so one scratch block and one copy serve both readers.
static_assert(sizeof(int32_t) == sizeof(float));
constexpr int32_t kValueSize = sizeof(int32_t);

// A tag counts only as the first token of a line; the rest of every other line is skipped.
bool FindTag(TokenReader &reader, const char *tag) {
    for (const char *token = reader.Next(); token != nullptr; token = reader.Next()) {
        if (token[0] == '*' && std::strcmp(token + 1, tag) == 0) return true;
        reader.DiscardLine();
    }
    return false;
}

// Stores the block's values into scratch; their count, or -1 when there are too many.
int32_t ReadBlockValues(TokenReader &reader, void *scratch, StoreValue store, const char *path,
                        const char *tag) {
    int32_t count = 0;
    for (const char *token = reader.Next(); token != nullptr && token[0] != '*';
         token = reader.Next()) {
        if (token[0] == ';') {
            reader.DiscardLine();
            continue;
        }
        if (count == TZ_MAX_BLOCK_VALUES) {
            ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                              "ファイル'%s'のタグ'%s'のデータが\n最大データ数 %d を越えています。",
                              path, tag, TZ_MAX_BLOCK_VALUES);
            return -1;
        }
        store(scratch, count++, token);
    }
    return count;
}

// Reads the block tagged tag from the file into scratch; its count, or 0 after a message.
int32_t ReadBlockFromStream(std::FILE *file, void *scratch, StoreValue store, const char *path,
                            const char *tag) {
    TokenReader reader(file);
    if (!FindTag(reader, tag)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "ファイル'%s'にタグ'%s'が見つかりません。", path, tag);
        return 0;
    }
    int32_t count = ReadBlockValues(reader, scratch, store, path, tag);
    if (count == 0) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "ファイル'%s'のタグ'%s'のデータがありません。", path, tag);
    }
    return count > 0 ? count : 0;
}

// A new tracked block of the values of the block tagged tag; their count, or 0 after a message.
int32_t ReadTaggedBlock(std::FILE *file, void **values, StoreValue store, const char *path,
                        const char *tag) {
    path = path != nullptr ? path : "";
    tag = tag != nullptr ? tag : "";
    void *scratch = TzAlloc(TZ_MAX_BLOCK_VALUES * kValueSize);
    if (scratch == nullptr) return 0;
    int32_t count = ReadBlockFromStream(file, scratch, store, path, tag);
    if (count > 0) {
        void *block = TzAlloc(count * kValueSize);
        if (block != nullptr) {
            std::memcpy(block, scratch, static_cast<size_t>(count) * kValueSize);
            *values = block;
        } else {
            count = 0;
        }
    }
    TzFree(scratch);
    return count;
}

}  // namespace

const char *TokenReader::Next() {
    int character = std::getc(file_);
    while (character != EOF && IsBlank(character)) character = std::getc(file_);
    if (character == EOF) return nullptr;
    int32_t length = 0;
    for (;;) {
        token_[length++] = static_cast<char>(character);
        if (length == kMaxTokenLength) break;
        character = std::getc(file_);
        if (character == EOF) break;
        if (IsBlank(character)) {
            std::ungetc(character, file_);  // the blank belongs to what a discard reads next
            break;
        }
    }
    token_[length] = '\0';
    return token_;
}

void TokenReader::DiscardLine() {
    for (int32_t read = 0; read < kMaxDiscardLength; ++read) {
        int character = std::getc(file_);
        if (character == EOF || character == '\n') return;
    }
}

int32_t ParseInt(const char *text) {
    constexpr int64_t kLargestMagnitude = static_cast<int64_t>(INT32_MAX) + 1;
    bool negative = text[0] == '-';
    int64_t magnitude = 0;
    for (const char *digit = text + SkipSign(text); IsDigit(*digit); ++digit) {
        magnitude = magnitude * 10 + (*digit - '0');
        if (magnitude > kLargestMagnitude) magnitude = kLargestMagnitude;
    }
    if (negative) return static_cast<int32_t>(-magnitude);
    return static_cast<int32_t>(magnitude < INT32_MAX ? magnitude : INT32_MAX);
}

float ParseFloat(const char *text) {
    int32_t length = RealPrefixLength(text);
    if (length == 0) return 0.0f;
    char prefix[kMaxTokenLength + 1];
    if (length > kMaxTokenLength) length = kMaxTokenLength;
    std::memcpy(prefix, text, static_cast<size_t>(length));
    prefix[length] = '\0';
    return SaturateToFloat(g_ascii_strtod(prefix, nullptr));
}

float LargestVertexLength(const Vector3 *points, int32_t count) {
    float largest = 0.0f;
    for (int32_t i = 0; i < count; ++i) {
        const Vector3 &point = points[i];
        float length = std::sqrt(point.x * point.x + point.y * point.y + point.z * point.z);
        if (length > largest) largest = length;
    }
    return largest;
}

std::FILE *OpenObjectFile(const char *path) {
    path = path != nullptr ? path : "";
    std::FILE *file = std::fopen(path, "rb");
    if (file == nullptr) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "ファイル'%s'がオープンできません。", path);
    }
    return file;
}

int32_t ReadDataIntFromStream(std::FILE *file, int32_t **values, const char *path,
                              const char *tag) {
    if (values == nullptr) return 0;
    void *block = nullptr;
    int32_t count = ReadTaggedBlock(file, &block, StoreInt, path, tag);
    if (count > 0) *values = static_cast<int32_t *>(block);
    return count;
}

int32_t ReadDataFloatFromStream(std::FILE *file, float **values, const char *path,
                                const char *tag) {
    if (values == nullptr) return 0;
    void *block = nullptr;
    int32_t count = ReadTaggedBlock(file, &block, StoreFloat, path, tag);
    if (count > 0) *values = static_cast<float *>(block);
    return count;
}

}  // namespace trazel

using namespace trazel;

extern "C" int32_t ReadDataInt(int32_t **values, const char *path, const char *tag) {
    if (values == nullptr) return 0;
    std::FILE *file = OpenObjectFile(path);
    if (file == nullptr) return 0;
    int32_t count = ReadDataIntFromStream(file, values, path, tag);
    std::fclose(file);
    return count;
}

extern "C" int32_t ReadDataFloat(float **values, const char *path, const char *tag) {
    if (values == nullptr) return 0;
    std::FILE *file = OpenObjectFile(path);
    if (file == nullptr) return 0;
    int32_t count = ReadDataFloatFromStream(file, values, path, tag);
    std::fclose(file);
    return count;
}
