// Object files: the tokenizer of tagged text blocks, the number conversions, mesh helpers, and
// the readers over an open file.
#pragma once

#include <cstdio>

#include "trazel.h"

namespace trazel {

constexpr int32_t kMaxTokenLength = 79;
constexpr int32_t kMaxDiscardLength = 78;
constexpr int32_t kMinPlaneCorners = 3;
constexpr int32_t kMaxPlaneCorners = 8;

// Splits an object file into tokens the way every existing file was written against: runs of
// non-blank bytes of at most 79 characters, and line discards of at most 78 characters.
class TokenReader {
  public:
    explicit TokenReader(std::FILE *file) : file_(file) {}

    // The next token, or null at the end of the file. It stays valid until the next call.
    const char *Next();
    // Skips what is left of the current line, its line end included, but at most 78 characters:
    // a longer line goes on as if a new one began.
    void DiscardLine();

  private:
    std::FILE *file_;
    char token_[kMaxTokenLength + 1] = {};
};

// A decimal integer prefix (sign, digits), saturated at the int32 range; 0 without digits.
int32_t ParseInt(const char *text);
// A decimal real prefix (sign, digits, point, exponent) in any locale, saturated at +-FLT_MAX;
// 0 without digits. Words such as "inf" or "nan" and hexadecimal forms are not numbers here. Only
// the first 79 characters count, as no token is longer.
float ParseFloat(const char *text);

// The largest distance of any of the points from the origin; 0 for none.
float LargestVertexLength(const Vector3 *points, int32_t count);

// Opens an object file for reading; null, after a message, when it cannot be opened.
std::FILE *OpenObjectFile(const char *path);

// ReadDataInt, ReadDataFloat and ReadObjectData over a file already open, from where it stands,
// so that any stream of bytes reads as an object file; path only names it in messages.
int32_t ReadDataIntFromStream(std::FILE *file, int32_t **values, const char *path, const char *tag);
int32_t ReadDataFloatFromStream(std::FILE *file, float **values, const char *path, const char *tag);
int32_t ReadObjectDataFromStream(std::FILE *file, ObjectData *data, const char *path,
                                 const char *name);

}  // namespace trazel
