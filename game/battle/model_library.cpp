// The model library: one path for the whole program, a check of the file as a whole, and reads
// that leave no half-filled mesh.
#include "model_library.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>

namespace battle {
namespace {

std::string libraryPath;
std::set<std::string> failedTags;

// The engine's messages while the library is checked.
std::string heldMessages;

void HoldMessage(void *, const char *, const char *text, int32_t) {
    if (!heldMessages.empty()) heldMessages += '\n';
    heldMessages += text != nullptr ? text : "";
}

std::string SystemError(const char *what, int error) {
    return std::string(what) + "(" + std::strerror(error) + ")";
}

// What a pass over the file found: whether it holds anything, the tag of its last tagged block (a
// tag is the first word of a line and starts with '*'), and a read error.
struct TagScan {
    bool empty = true;
    std::optional<std::string> lastTag;
    int readError = 0;
};

TagScan ScanTags(std::FILE *file) {
    TagScan scan;
    char line[256];
    bool atLineStart = true;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        scan.empty = false;
        const char *word = line + std::strspn(line, " \t");
        if (atLineStart && *word == '*')
            scan.lastTag.emplace(word + 1, std::strcspn(word + 1, " \t\r\n"));
        atLineStart = std::strchr(line, '\n') != nullptr;
    }
    if (std::ferror(file)) scan.readError = errno != 0 ? errno : EIO;
    return scan;
}

std::optional<std::string> LastModelProblem(const std::string &path, const std::string &tag) {
    heldMessages.clear();
    TzMessageProc shown = TzSetMessageProc(HoldMessage);
    ObjectData mesh{};
    bool whole = ReadObjectData(&mesh, path.c_str(), tag.c_str()) == 1;
    FreeObjectData(&mesh);
    TzSetMessageProc(shown);
    if (whole) return std::nullopt;
    std::string problem = "ファイルが途中で切れています(最後のモデル「" + tag + "」が読めません)。";
    if (!heldMessages.empty()) problem += "\n" + heldMessages;
    return problem;
}

}  // namespace

void SetModelLibraryPath(const std::string &path) {
    libraryPath = path;
    failedTags.clear();
}

const std::string &ModelLibraryPath() {
    return libraryPath;
}

std::optional<std::string> ModelLibraryProblem(const std::string &path) {
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (errno == ENOENT) return "ファイルがありません。";
        return SystemError("ファイルを開けません。", errno);
    }
    TagScan scan = ScanTags(file);
    std::fclose(file);
    if (scan.readError != 0) return SystemError("ファイルを読めません。", scan.readError);
    if (scan.empty) return "ファイルが空です。";
    if (!scan.lastTag) return "モデルが1つも入っていません。";
    return LastModelProblem(path, *scan.lastTag);
}

bool LoadModel(ObjectData &mesh, const std::string &tag) {
    FreeObjectData(&mesh);
    if (failedTags.contains(tag)) return false;
    if (ReadObjectData(&mesh, libraryPath.c_str(), tag.c_str()) == 1) return true;
    FreeObjectData(&mesh);
    failedTags.insert(tag);
    return false;
}

}  // namespace battle
