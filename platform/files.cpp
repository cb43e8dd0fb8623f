// Whole-or-nothing writes through a temporary file and rename, and careful opening for reading.
#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// The permissions open(2) gives a new file. The umask can only be read by setting it, so it is
// put back at once.
mode_t NewFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

mode_t ModeFor(const std::string &target) {
    struct stat status;
    if (stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & 07777;
    return NewFileMode();
}

// A symbolic link stays a link: the file it names is the one replaced.
std::string ResolvedTarget(const std::string &path) {
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    return error ? path : resolved.string();
}

// The rename is only on disk once the folder's entry is; a failure here no longer loses data.
void SyncFolder(const fs::path &folder) {
    int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

// Gives the temporary file its permissions and content, and closes it; false when any step failed.
bool FillAndClose(int descriptor, mode_t mode, const std::function<bool(std::FILE *)> &write) {
    std::FILE *file = fchmod(descriptor, mode) == 0 ? fdopen(descriptor, "wb") : nullptr;
    if (file == nullptr) {
        close(descriptor);
        return false;
    }
    bool written = write(file) && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
}

}  // namespace

FileHandle OpenForReading(const std::string &path) {
    // Without O_NONBLOCK, opening a named pipe would wait until something writes to it.
    int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status;
    std::FILE *file = nullptr;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) file = fdopen(descriptor, "rb");
    if (file == nullptr) close(descriptor);
    return FileHandle(file);
}

bool WriteAtomically(const std::string &path, const std::function<bool(std::FILE *)> &write) {
    std::string target = ResolvedTarget(path);
    fs::path folder = fs::path(target).parent_path();
    std::string temporary =
        (folder / ("." + fs::path(target).filename().string() + ".XXXXXX")).string();
    int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) return false;
    // mkostemp makes the file private (0600); the replacement should be as readable as before.
    if (!FillAndClose(descriptor, ModeFor(target), write) ||
        std::rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder.empty() ? fs::path(".") : folder);
    return true;
}

bool AppendLine(const std::string &path, const std::string &text) {
    // Not blocking on the open: a named pipe without a reader is refused instead of waited on.
    int descriptor =
        open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) return false;
    struct stat status {};
    bool written = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
                   write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(descriptor);
    return written;
}

}  // namespace platform
