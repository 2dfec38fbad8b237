#pragma once
// The two files of a level: the chosen level file and the header file with the same stem.

#include <string>

namespace corvane {

struct LevelPaths {
    std::string stem;        // the chosen path without its extension (the window's caption)
    std::string levelFile;   // the file the user chose
    std::string headerFile;  // stem + ".hdr", or an existing file of that name in another letter case
};

LevelPaths LevelPathsFor(const std::string& chosenFile);

}  // namespace corvane
