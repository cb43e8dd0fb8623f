// espeak-ng as a child process: it writes a temporary WAV file that is read back and removed.
#include "speech.h"

#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "levels.h"
#include "wav_file.h"

extern char **environ;

namespace sounds {
namespace {

// A temporary file, created empty so no other process can take its name, and removed at the end.
class TemporaryWav {
  public:
    TemporaryWav() {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvex-voiceXXXXXX.wav");
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        int descriptor = mkstemps(name.data(), 4);
        if (descriptor < 0) throw std::runtime_error("cannot create a temporary file");
        close(descriptor);
        path_ = name.data();
    }
    ~TemporaryWav() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TemporaryWav(const TemporaryWav &) = delete;
    TemporaryWav &operator=(const TemporaryWav &) = delete;

    const std::filesystem::path &Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::vector<std::string> SpeechArguments(const Utterance &utterance, const std::string &output) {
    return {kSpeechProgram,
            "-v",
            utterance.voice,
            "-p",
            std::to_string(utterance.pitch),
            "-s",
            std::to_string(utterance.wordsPerMinute),
            "-w",
            output,
            "--",
            utterance.text};
}

// Runs the program and waits for it; false when it is not installed.
bool RunProgram(const std::vector<std::string> &arguments) {
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    int spawnError = posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
    if (spawnError == ENOENT) return false;
    if (spawnError != 0) throw std::runtime_error(arguments[0] + ": cannot start");
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error(arguments[0] + ": lost the child process");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(arguments[0] + " failed on \"" + arguments.back() + "\"");
    }
    return true;
}

}  // namespace

std::optional<Signal> Speak(const Utterance &utterance) {
    TemporaryWav output;
    if (!RunProgram(SpeechArguments(utterance, output.Path().string()))) return std::nullopt;
    return ReadWav(output.Path());
}

Signal TrimSilence(const Signal &signal, double thresholdDecibels) {
    double threshold = Peak(signal) * GainFromDecibels(thresholdDecibels);
    std::size_t first = 0;
    while (first < signal.size() && std::fabs(signal[first]) < threshold) ++first;
    std::size_t end = signal.size();
    while (end > first && std::fabs(signal[end - 1]) < threshold) --end;
    return Signal(signal.begin() + static_cast<std::ptrdiff_t>(first),
                  signal.begin() + static_cast<std::ptrdiff_t>(end));
}

}  // namespace sounds
