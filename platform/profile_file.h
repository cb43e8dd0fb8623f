// The settings file's text format: [section] headers and key=value lines, with the rules of the
// profile format the game's settings files have always had. Whatever the program does not know
// (other sections and keys, comments, blank lines) is kept as it stands when values change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ProfileFile {
  public:
    // The longest value read: the rest of a longer one is left out.
    static constexpr size_t kLongestValue = 259;

    ProfileFile() = default;
    // Reads the text of a file: a byte-order mark and CRLF line ends are allowed; lines that are
    // neither a header nor hold a "=" are kept, and otherwise ignored.
    explicit ProfileFile(std::string_view text);

    // The value of the first key of that name in the first section of that name (both compared
    // without case), without the blanks around it and one pair of quotes around it; nothing
    // when there is no such key.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The value read as a whole number (blanks, an optional sign, then digits; what follows is
    // ignored); fallback when there is no key or no number, or it does not fit.
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;

    // Sets the first key of that name in the section, or adds it at the end of the section (and
    // the section at the end of the file).
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // The file's text, with the line ends it was read with.
    std::string Text() const;

  private:
    // Where a line's key and value are, if it holds one.
    struct Entry {
        std::string_view key, value;
    };
    static std::optional<Entry> EntryOf(std::string_view line);
    static std::optional<std::string_view> HeaderOf(std::string_view line);
    // The index of the first header line of section, or nothing.
    std::optional<size_t> SectionStart(std::string_view section) const;
    // One past the last line that belongs to the section starting at start.
    size_t SectionEnd(size_t start) const;
    // The line of key within the section starting at start.
    std::optional<size_t> KeyLine(size_t start, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string byteOrderMark_;
    std::string lineEnd_ = "\n";
};

}  // namespace platform
