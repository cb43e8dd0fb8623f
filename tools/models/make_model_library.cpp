// Writes the game's model library, data/morvex.m3d, from the models built in code.
#include <cstdio>
#include <exception>

#include "model_catalogue.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_model_library <output.m3d>\n");
        return 2;
    }
    try {
        std::vector<shapes::TaggedShape> library = models::ModelLibrary();
        shapes::WriteObjectFile(argv[1], library);
        std::printf("wrote %zu models to %s\n", library.size(), argv[1]);
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_model_library: %s\n", error.what());
        return 1;
    }
}
