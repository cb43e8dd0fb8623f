// Program path, the data-file rule and the data folders searched for read-only files.
#include "paths.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace platform {

std::string ProgramPath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

namespace {

// Where the file name's extension starts (its dot), or npos. A leading dot names a hidden file;
// it does not start an extension.
size_t ExtensionDot(std::string_view path) {
    size_t nameStart = path.rfind('/');
    nameStart = nameStart == std::string_view::npos ? 0 : nameStart + 1;
    size_t dot = path.rfind('.');
    return dot != std::string_view::npos && dot > nameStart ? dot : std::string_view::npos;
}

}  // namespace

std::optional<std::string> DataFilePath(std::string_view base, std::string_view extension) {
    std::string path(base.substr(0, std::min(ExtensionDot(base), base.size())));
    path += '.';
    path += extension;
    if (path.size() > kLongestPath) return std::nullopt;
    return path;
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension) {
    std::string result(path);
    if (ExtensionDot(path) == std::string_view::npos) result.append(".").append(extension);
    return result;
}

std::optional<std::string> FindDataFile(std::string_view fileName) {
    std::filesystem::path programFolder = std::filesystem::path(ProgramPath()).parent_path();
    const std::filesystem::path candidates[] = {
        programFolder / fileName,
        programFolder / ".." / "share" / "morvex" / fileName,
        std::filesystem::path(MORVEX_SOURCE_DATA) / fileName,
    };
    for (const std::filesystem::path &candidate : candidates) {
        std::error_code error;
        // A file present but broken (a dangling link, a folder) is still the one meant: the
        // program says what is wrong with it rather than quietly taking another copy.
        if (std::filesystem::exists(std::filesystem::symlink_status(candidate, error)))
            return candidate.lexically_normal().string();
    }
    return std::nullopt;
}

}  // namespace platform
