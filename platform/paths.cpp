// Program path, the data-file rule and the data folders searched for read-only files.
#include "paths.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform {

std::string ProgramPath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::optional<std::string> DataFilePath(std::string_view base, std::string_view extension) {
    size_t nameStart = base.rfind('/');
    nameStart = nameStart == std::string_view::npos ? 0 : nameStart + 1;
    size_t dot = base.rfind('.');
    // A leading dot names a hidden file; it does not start an extension.
    bool hasExtension = dot != std::string_view::npos && dot > nameStart;
    std::string path(base.substr(0, hasExtension ? dot : base.size()));
    path += '.';
    path += extension;
    if (path.size() > kLongestPath) return std::nullopt;
    return path;
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
