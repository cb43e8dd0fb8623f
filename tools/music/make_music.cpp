// Writes the game's music files into a folder: "Action1.Mid".."Action8.Mid" and the jingles.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "compositions.h"

namespace {

void WriteFile(const std::filesystem::path &path, const midi::Bytes &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_music <output folder>\n");
        return 2;
    }
    try {
        std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const music::MusicFile &file : music::MusicFiles()) {
            midi::Bytes bytes = file.compose().FileBytes();
            WriteFile(folder / file.fileName, bytes);
            std::printf("wrote %s (%zu bytes)\n", (folder / file.fileName).c_str(), bytes.size());
        }
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_music: %s\n", error.what());
        return 1;
    }
}
