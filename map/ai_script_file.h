#pragma once
// The computer-player script a level names by number: the game keeps script N in the level's
// folder as "cpscr" + N in three digits + ".dat".

#include <optional>
#include <string>

namespace corvane {

// "cpscr007.dat" for 7.
std::string AiScriptFileName(int number);

// The folder of the level file at `levelFile`.
std::string LevelFolder(const std::string& levelFile);

// Where script `number` of the level belongs: "cpscr007.dat" in the level's folder.
std::string NewAiScriptPath(const std::string& levelFile, int number);

// The path of script `number` beside the level, found in any letter case ("CPSCR007.DAT"); nothing
// when no such file is there.
std::optional<std::string> FindAiScriptFile(const std::string& levelFile, int number);

}  // namespace corvane
