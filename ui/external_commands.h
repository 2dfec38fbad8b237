#pragma once
// Commands of the main window that other parts of the program carry out (the map window, the
// language editor, the version check). The application wires them; an unset one does nothing.

#include <functional>

namespace corvane {

struct ExternalCommands {
    std::function<void()> openMap;          // File > Maps > Open Map
    std::function<void()> saveMap;          // File > Maps > Save Map
    std::function<void()> openLanguage;     // File > Language > Open...
    std::function<void()> saveLanguage;     // File > Language > Save
    std::function<void()> checkNewVersion;  // File > Check for new version && Update...
    // Edit > Find and Find Next while a side tool's window is active: true when that window took
    // the command, which otherwise searches the script.
    std::function<bool()> find;
    std::function<bool()> findNext;
    // Before the program ends: asks about unsaved work of those windows; false when the author cancels.
    std::function<bool()> mayEndProgram;
};

}  // namespace corvane
