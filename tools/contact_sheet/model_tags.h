// The tags of an object file, in file order.
#pragma once

#include <string>
#include <vector>

// Every tag that starts a line of the file (the name after its '*'); empty when it cannot be read.
std::vector<std::string> ReadModelTags(const std::string &path);
