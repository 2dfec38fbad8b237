#pragma once
// Where the program finds its own folder and keeps its files. Handed to every window, so tests
// can point it at a temporary folder.

#include <QString>

namespace corvane {

struct AppPaths {
    QString programFolder;  // folder of the executable, no trailing separator
    QString dataFolder;     // where editor.ini, version.txt and updater.cfg live

    // The running program: its own folder, and for data that folder when it is writable, else the
    // user's configuration folder (an installed program's folder is read-only).
    static AppPaths forRunningProgram();
    // Both folders the same (tests, portable installs).
    static AppPaths inFolder(const QString& folder);

    QString settingsFile() const;  // dataFolder + "/editor.ini"
    QString inData(const QString& fileName) const;
};

// A folder that programs are installed into for the whole system (/usr/bin, /opt/...; on Windows
// Program Files or a folder that the setup program owns), never a place for one user's settings.
bool IsSystemProgramFolder(const QString& folder);

// Qt and engine strings: the engine takes UTF-8 bytes for paths.
std::string toEnginePath(const QString& path);
QString fromEnginePath(const std::string& path);

}  // namespace corvane
