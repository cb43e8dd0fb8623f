// The single-instance guard: an advisory lock on a per-user, per-display lock file.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder for the lock files: $XDG_RUNTIME_DIR, else /tmp/morvex-<uid> (created private to
// the user). Empty when no safe folder can be had.
std::string InstanceLockFolder();

// The lock file of a display inside folder. Characters that do not belong in a file name are
// spelled as hex codes, so different displays never share a file; a trailing screen number
// (":0.0") names the same display as ":0".
std::string InstanceLockPath(std::string_view folder, std::string_view display);

class InstanceLock {
  public:
    enum class Result {
        Acquired,  // this process is the only copy on the display
        HeldByAnother,
        Failed,  // the lock file could not be opened or locked; see Error()
    };

    // Takes the lock on the file at path (created when missing); it is held until destruction.
    explicit InstanceLock(const std::string &path);
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;
    ~InstanceLock();

    Result State() const { return result_; }
    const std::string &Error() const { return error_; }

  private:
    int descriptor_ = -1;
    Result result_ = Result::Failed;
    std::string error_;
};

}  // namespace platform
