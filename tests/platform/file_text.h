#pragma once
// The bytes of a file as one string (empty when it cannot be read), for tests that compare a
// file written by the program with what they expect, byte for byte.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tally_test {

inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace tally_test
