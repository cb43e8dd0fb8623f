// Reading and changing the settings file's text line by line, keeping every line it does not
// change.
#include "profile_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameWithoutCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A value on a line of its own: a line break inside it would start a line of its own making.
std::string OnOneLine(std::string_view value) {
    std::string line(value);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

}  // namespace

ProfileFile::ProfileFile(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    size_t firstEnd = text.find('\n');
    if (firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r')
        lineEnd_ = "\r\n";
    while (!text.empty()) {
        size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

std::optional<std::string_view> ProfileFile::HeaderOf(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return Trimmed(line.substr(0, line.find(']')));
}

std::optional<ProfileFile::Entry> ProfileFile::EntryOf(std::string_view line) {
    line = Trimmed(line);
    size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '[' ||
        equals == std::string_view::npos)
        return std::nullopt;
    return Entry{Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
}

std::optional<size_t> ProfileFile::SectionStart(std::string_view section) const {
    for (size_t line = 0; line < lines_.size(); ++line) {
        std::optional<std::string_view> header = HeaderOf(lines_[line]);
        if (header && SameWithoutCase(*header, section)) return line;
    }
    return std::nullopt;
}

size_t ProfileFile::SectionEnd(size_t start) const {
    size_t end = start + 1;
    while (end < lines_.size() && !HeaderOf(lines_[end])) ++end;
    return end;
}

std::optional<size_t> ProfileFile::KeyLine(size_t start, std::string_view key) const {
    for (size_t line = start + 1; line < SectionEnd(start); ++line) {
        std::optional<Entry> entry = EntryOf(lines_[line]);
        if (entry && SameWithoutCase(entry->key, key)) return line;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
    std::optional<size_t> start = SectionStart(section);
    if (!start) return std::nullopt;
    std::optional<size_t> line = KeyLine(*start, key);
    if (!line) return std::nullopt;
    return std::string(WithoutQuotes(EntryOf(lines_[*line])->value).substr(0, kLongestValue));
}

int32_t ProfileFile::ReadInt(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    std::optional<std::string> value = Read(section, key);
    if (!value) return fallback;
    std::string_view number = Trimmed(*value);
    // from_chars takes a minus sign but not a plus.
    if (number.size() > 1 && number[0] == '+' &&
        std::isdigit(static_cast<unsigned char>(number[1])))
        number.remove_prefix(1);
    int32_t result = 0;
    std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), result);
    return read.ec == std::errc() ? result : fallback;
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + OnOneLine(value);
    std::optional<size_t> start = SectionStart(section);
    if (!start) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    if (std::optional<size_t> existing = KeyLine(*start, key)) {
        lines_[*existing] = line;
        return;
    }
    // After the section's last entry, so blank lines and comments before the next section stay
    // with it.
    size_t after = *start + 1;
    for (size_t index = *start + 1; index < SectionEnd(*start); ++index)
        if (EntryOf(lines_[index])) after = index + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after), line);
}

std::string ProfileFile::Text() const {
    std::string text = byteOrderMark_;
    for (const std::string &line : lines_) text += line + lineEnd_;
    return text;
}

}  // namespace platform
