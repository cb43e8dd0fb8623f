// The single-instance guard: flock on a lock file named after the user's display.
#include "instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// A folder in /tmp could have been made by another user to catch our lock; use it only when it
// is a real directory of ours that nobody else may write to.
bool IsPrivateFolder(const std::string &folder) {
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0) return false;
    return S_ISDIR(status.st_mode) && status.st_uid == getuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool IsFileNameCharacter(char character) {
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
           (character >= '0' && character <= '9') || character == '-' || character == '.';
}

// ":0.1" and ":0" are screens of the same display; "wayland-0" has no screen part.
std::string_view WithoutScreenNumber(std::string_view display) {
    size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) return display;
    size_t dot = display.find('.', colon);
    return dot == std::string_view::npos ? display : display.substr(0, dot);
}

}  // namespace

std::string InstanceLockFolder() {
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) return runtime;
    std::string folder = "/tmp/morvex-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    return IsPrivateFolder(folder) ? folder : std::string();
}

std::string InstanceLockPath(std::string_view folder, std::string_view display) {
    static const char kHexDigits[] = "0123456789ABCDEF";
    std::string name = "morvex-";
    for (char character : WithoutScreenNumber(display)) {
        if (IsFileNameCharacter(character)) {
            name += character;
        } else {
            auto byte = static_cast<unsigned char>(character);
            name += '_';
            name += kHexDigits[byte >> 4];
            name += kHexDigits[byte & 0xF];
        }
    }
    return std::string(folder) + "/" + name + ".lock";
}

InstanceLock::InstanceLock(const std::string &path) {
    descriptor_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0) {
        error_ = path + ": " + std::strerror(errno);
        return;
    }
    int outcome;
    do {
        outcome = flock(descriptor_, LOCK_EX | LOCK_NB);
    } while (outcome != 0 && errno == EINTR);
    if (outcome == 0) {
        result_ = Result::Acquired;
    } else if (errno == EWOULDBLOCK) {
        result_ = Result::HeldByAnother;
    } else {
        error_ = path + ": " + std::strerror(errno);
    }
}

InstanceLock::~InstanceLock() {
    // Closing the last descriptor of the open file releases the lock.
    if (descriptor_ >= 0) close(descriptor_);
}

}  // namespace platform
