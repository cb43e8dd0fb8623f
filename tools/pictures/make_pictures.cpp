// Writes the game's cursors, tool bar pictures and program icons as PNG files into a folder.
#include <cstdio>
#include <exception>

#include "pictures/picture_set.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <folder>\n");
        return 2;
    }
    try {
        for (const std::filesystem::path &path : pictures::WritePictures(argv[1])) {
            std::printf("wrote %s\n", path.c_str());
        }
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_pictures: %s\n", error.what());
        return 1;
    }
}
