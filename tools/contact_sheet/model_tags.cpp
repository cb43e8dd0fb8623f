// Finding the tags of an object file: the first token of a line, when it begins with '*'.
#include "model_tags.h"

#include <fstream>
#include <sstream>

std::vector<std::string> ReadModelTags(const std::string &path) {
    std::ifstream file(path);
    std::vector<std::string> tags;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string first;
        if (words >> first && first.size() > 1 && first[0] == '*') tags.push_back(first.substr(1));
    }
    return tags;
}
