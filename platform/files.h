// The program's own files on disk: written whole or not at all, and opened for reading only when
// they are plain files.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace platform {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens path for reading when it is a regular file; nothing when it cannot be opened or is
// something else (a folder, a device, a named pipe that would wait for a writer).
FileHandle OpenForReading(const std::string &path);

// Writes path whole or not at all: write fills a temporary file in the same folder, which is
// flushed to disk and then renamed over path. The new file keeps the old one's permissions (a new
// one gets 0666 less the umask); through a symbolic link, the file it names is replaced. False
// when anything fails, write returning false included: then path is as it was and no temporary
// file is left.
bool WriteAtomically(const std::string &path, const std::function<bool(std::FILE *)> &write);

// Appends text to path (made when missing) with one write, so a line is never torn by another
// writer; false when path is not a plain file or the write fell short.
bool AppendLine(const std::string &path, const std::string &text);

}  // namespace platform
